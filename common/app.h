// Program-wide services of the window layer: yielding inside long
// computations and ending the program from anywhere.
#pragma once

class QApplication;

namespace rb {

// Prepares the process before the QApplication exists: a private runtime
// folder when none is set, so headless runs stay quiet.
void PrepareEnvironment();
// Fonts and other defaults once the QApplication exists.
void InitApplication(QApplication &app);

// Runs pending window events inside a long computation. Returns false once
// the program has been asked to end: the caller then unwinds at once.
bool DoEvents();

// Ends the program: every window is hidden (none is drawn on or deleted while
// a run may still be on the stack), every running loop notices at its next
// yield, and the event loop returns with status 0.
void End();
bool EndRequested();
// For tests that drive several programs' windows in one process.
void ResetEndRequest();

} // namespace rb
