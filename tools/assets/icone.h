// The game's desktop icon in the sizes of the freedesktop icon theme.
#pragma once
#include <string>

// Writes <dossier>/NxN/apps/polarite.png for every size from 16 to 256 pixels, as RGBA PNG
// files laid out like share/icons/hicolor; false (with a message) on a failed write.
bool ecrit_icones(const std::string& dossier);
