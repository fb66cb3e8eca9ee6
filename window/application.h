#pragma once

class QApplication;

namespace scrivafresa {

// Title and icon of the application, as the desktop and the error box show them.
void PrepareApplication(QApplication& application);

// The whole program: the window until it is closed. The command line is not read.
int RunApplication(int argc, char** argv);

}  // namespace scrivafresa
