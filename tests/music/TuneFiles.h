#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// The committed tune and small damaged copies of it for the music tests.
namespace varnel::testing {

inline QString TunePath() {
    return QStringLiteral(VARNEL_TUNE_PATH);
}

inline QByteArray ReadTune() {
    QFile file(TunePath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

}  // namespace varnel::testing
