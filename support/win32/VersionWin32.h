// The program's version tag, read from its VERSIONINFO resource.
#pragma once

#include <string>

// "(" + program name + " v" + major + "." + minor + "." + revision + ")" for the running
// executable, e.g. "(Nettix v2.1.7)". The numbers are the first three of the resource's
// FILEVERSION (major,minor,revision,0); without a version resource: "(Nettix v0.0.0)".
std::string VersionTexte();
// The same for any executable file, named after the file.
std::string VersionTexte(const std::string& cheminExécutable);
