// Program-wide services of the window layer: yielding inside long
// computations and ending the program from anywhere.
#pragma once

#include "language.h"

#include <QLocale>
#include <optional>

class QApplication;

namespace rb {

// Whether the windows can be opened: without a display the toolkit would
// abort. Returns nothing when they can; otherwise says so in one line on
// stderr, with how to start the program on a virtual screen, and returns the
// status to exit with. program is the command as the user typed it.
std::optional<int> RequireDisplay(const char *program);

// Prepares the process before the QApplication exists: when no runtime
// folder is set, or one the toolkit would refuse, a fresh private one
// (removed at exit) in the temporary folder, /tmp or the user's cache
// folder, never at the root; so headless runs stay quiet and share nothing
// with other users.
void PrepareEnvironment();
// Fonts, the interface language and other defaults once the QApplication
// exists. Call it right after the QApplication is made: it lets go of the
// display RequireDisplay found. Without a language given, the user's locale
// decides the interface language.
void InitApplication(QApplication &app, std::optional<Language> language = std::nullopt);

// The toolkit's own texts (the context menus of text boxes and scroll bars,
// the file dialog) in the interface language; InstallLanguage calls it. The
// user's locale still decides how numbers are written. Returns false when
// the toolkit has no catalogue for the language; its texts then stay English.
bool SetInterfaceLanguage(QLocale::Language language);

// Runs pending window events inside a long computation. Returns false once
// the program has been asked to end: the caller then unwinds at once.
bool DoEvents();
// Runs the window events for about `ms` milliseconds, sleeping while there
// are none: a paced computation waits here for its next step. Returns
// false once the program has been asked to end, at once if it already was.
bool WaitEvents(int ms);

// Ends the program: every window is hidden (none is drawn on or deleted while
// a run may still be on the stack), every running loop notices at its next
// yield, and the event loop returns with status 0.
void End();
bool EndRequested();
// For tests that drive several programs' windows in one process.
void ResetEndRequest();

} // namespace rb
