// A copy of the game without its window, given a runtime and a configuration folder: it says how
// its start went ("first", "forwarded" or "not-answered") and, when first, "shown" each time a
// later copy asks it forward, until it is killed.
#include <QCoreApplication>
#include <cstdio>

#include "app/SingleInstance.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    varnel::SingleInstance instance(varnel::SingleInstance::placeFor(
        QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])));
    auto say = [](const char* line) {
        std::puts(line);
        std::fflush(stdout);
    };
    switch (instance.start()) {
        case varnel::SingleInstance::Start::Forwarded:
            say("forwarded");
            return 0;
        case varnel::SingleInstance::Start::NotAnswered:
            say("not-answered");
            return 1;
        case varnel::SingleInstance::Start::First:
            break;
    }
    QObject::connect(&instance, &varnel::SingleInstance::showRequested, [&] { say("shown"); });
    say("first");
    return app.exec();
}
