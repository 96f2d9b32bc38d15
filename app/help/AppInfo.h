#pragma once

#include <QString>

// Who the program is: the one place the window caption and the about window take their
// title, version and notices from.
namespace varnel {

inline constexpr char AppTitle[] = "Varnel Solitaire";
inline constexpr int AppMajor = 2;
inline constexpr int AppMinor = 0;
inline constexpr char AppLegalCopyright[] = "Copyright (C) 2026 The Varnel Solitaire developers";

// The two contact lines of the about window; the addresses lie in reserved example domains.
inline constexpr char AppWebLine[] = "www.varnel-solitaire.example";
inline constexpr char AppEmailLine[] = "help@varnel-solitaire.example";

// "Varnel Solitaire v2.0": the version numbers are written without a leading blank.
inline QString programNameAndVersion() {
    return QStringLiteral("%1 v%2.%3").arg(QString::fromUtf8(AppTitle)).arg(AppMajor).arg(AppMinor);
}

// The main window's caption: name and version, then the legal notice.
inline QString mainWindowCaption() {
    return programNameAndVersion() + QStringLiteral(" - ") + QString::fromUtf8(AppLegalCopyright);
}

}  // namespace varnel
