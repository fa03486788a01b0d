#pragma once
// What the program sets up about its process before anything else.

// On Windows: makes the exe's own folder the working directory, so a
// double-click finds Data/, resource/ and fonts/ beside the exe, and tells
// the console that the program writes UTF-8. Elsewhere nothing: the
// launcher and the tests choose the working directory.
void prepareProcess();
