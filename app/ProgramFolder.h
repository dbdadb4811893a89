#pragma once

#include <QString>

// Where one run of the program keeps and finds its files.
struct Folders
{
    QString programFolder; // Setup.ini, list.ini and Grid Data.csv
    QString dataFolder;    // the help page and the alert sound
    QString moduleFolder;  // the parts loaded at their first use
};

// What decides it: the folder of the running executable, where the build installs the program
// and its data, and the user's own data folder.
struct FolderPlaces
{
    QString executableFolder;
    QString installedBinFolder;
    QString installedDataFolder;
    QString installedModuleFolder;
    QString userDataFolder;
};

// A copy started from the folder the program is installed to keeps the user's files in the
// user's data folder, making it with default settings and an empty list when it does not exist
// yet, and finds the help and the sound where they were installed. Any other copy keeps
// everything beside its executable. Both paths come back absolute.
Folders chooseFolders(const FolderPlaces& places);
