// One game per player: a second start brings the first copy forward and ends, crash or not.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/SingleInstance.h"

namespace varnel::testing {
namespace {

using Start = SingleInstance::Start;

class SingleInstanceTest : public ::testing::Test {
  protected:
    SingleInstance::Place place(const QString& config) const {
        return SingleInstance::placeFor(runtime.path(), configs.filePath(config));
    }

    // Another copy, in a process of its own, for the player of that configuration folder.
    std::unique_ptr<QProcess> startCopy(const QString& config) {
        auto copy = std::make_unique<QProcess>();
        copy->setProgram(QStringLiteral(VARNEL_INSTANCE_HOLDER));
        copy->setArguments({runtime.path(), configs.filePath(config)});
        copy->start();
        EXPECT_TRUE(copy->waitForStarted());
        return copy;
    }
    // The next line the copy writes; the test's own event loop runs meanwhile, so that a copy
    // of this process can answer it.
    static QByteArray nextLine(QProcess& copy) {
        if (!QTest::qWaitFor(
                [&] { return copy.canReadLine() || copy.state() == QProcess::NotRunning; }, 10000))
            return "(nothing)";
        return copy.readLine().trimmed();
    }

    QTemporaryDir runtime;
    QTemporaryDir configs;
};

TEST_F(SingleInstanceTest, ASecondStartBringsTheFirstForwardEvenAfterACrash) {
    // The first copy runs elsewhere; this one is the second.
    auto first = startCopy("player");
    ASSERT_EQ(nextLine(*first), "first");
    {
        SingleInstance second(place("player"));
        EXPECT_EQ(second.start(), Start::Forwarded);
    }
    EXPECT_EQ(nextLine(*first), "shown");
    // Another configuration folder is another player, whose first copy this is.
    SingleInstance other(place("another player"));
    EXPECT_EQ(other.start(), Start::First);

    // Killed outright, the first copy leaves its lock and socket; the next start is the first all
    // the same, and answers each later start in its turn.
    first->kill();
    first->waitForFinished();
    ASSERT_TRUE(QFile::exists(place("player").lockFile));
    SingleInstance next(place("player"));
    EXPECT_EQ(next.start(std::chrono::seconds(3)), Start::First);
    QSignalSpy shown(&next, &SingleInstance::showRequested);
    for (int start = 0; start < 2; ++start) {
        auto later = startCopy("player");
        EXPECT_EQ(nextLine(*later), "forwarded");
        later->waitForFinished();
        EXPECT_EQ(later->exitCode(), 0);
    }
    EXPECT_EQ(shown.count(), 2);
}

}  // namespace
}  // namespace varnel::testing
