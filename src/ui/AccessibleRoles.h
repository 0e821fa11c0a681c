#pragma once
// What a screen reader calls the program's own kinds of widget, which Qt sees
// as plain widgets ("filler"): the display windows are frames, every other
// window is a dialog, and a group of choices is a group.

// Tells Qt's accessibility once; later calls change nothing.
void InstallAccessibleRoles();
