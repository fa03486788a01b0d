#pragma once
// What the program sets up about its process before anything else.

// On Windows: chooses the working directory and tells the console that the
// program writes UTF-8. The working directory is the exe's own folder, so a
// double-click finds Data/, resource/ and fonts/ beside the exe; for an
// installed copy (the installer leaves installed.txt beside the exe) it is
// each user's %APPDATA%\navigation-system, where those folders are copied
// from the install at the first start. Elsewhere nothing: the launcher and
// the tests choose the working directory.
void prepareProcess();
