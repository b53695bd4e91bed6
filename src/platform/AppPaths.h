// Where the program finds its model set and its example designs, and writes its settings file.
#pragma once

#include <QString>

namespace qor {

// The folder that holds the model set (ENV and LINKS), as a path the loader can open. The
// working directory's "QORX" comes first, so that a teacher's own models beside a lesson win;
// when the working directory has no "QORX" at all, the set beside the executable (the build
// folder) and then the installed one (<prefix>/share/qor/QORX, next to <prefix>/bin) are used.
// When none exists the working directory's "QORX" is returned, and every load fails visibly.
QString ModelSetRoot();

// ModelSetRoot with the folders to search given explicitly, for tests.
QString ModelSetRoot(const QString& workingDirectory, const QString& executableDirectory);

// The folder of the example designs: the one beside the executable (the build folder, where the
// build copies the repository's examples), then the installed one (<prefix>/share/qor/examples);
// empty when there is neither.
QString ExamplesFolder();

// ExamplesFolder with the executable's folder given explicitly, for tests.
QString ExamplesFolder(const QString& executableDirectory);

// A model file of the set, from its path within the set written with "\" as the program names
// them ("ENV\floors.x"), with the platform's separator.
QString ModelPath(const QString& root, const QString& relativePath);

// The settings file: the executable's path with the extension ".ini". When the executable's
// folder cannot be written (an installed program), the same file name in the user's
// configuration folder ($XDG_CONFIG_HOME/qor, by default ~/.config/qor) instead.
QString SettingsFilePath();

// SettingsFilePath with the executable and the configuration folder given explicitly.
QString SettingsFilePath(const QString& executablePath, const QString& configurationDirectory);

// Makes the folder that the settings file goes into when it does not exist yet: the user's
// configuration folder has no "qor" folder before the first save. A folder that cannot be made
// is left to the write, which then fails with "Unable to write to <file>".
void MakeSettingsFolder(const QString& settingsFile);

} // namespace qor
