#pragma once

#include <QString>

namespace quarvel {

// Where the program finds its files. An installed program (bin/quarvel with share/quarvel
// beside bin/, as `cmake --install` and the Debian package lay it out) reads its data files
// (the cursor, the translations) from share/quarvel and keeps the user's database under
// $XDG_DATA_HOME/quarvel, its own folder not being writable. A program run from its build
// tree keeps everything in its own folder.
bool isInstalled();
// share/quarvel of an installed program, otherwise the program's own folder.
QString dataFolder();
// Where the program's translations (quarvel_<language>.qm) are: dataFolder()/translations.
QString translationsFolder();
// The database used when neither --database nor QUARVEL_DATABASE names one:
// $XDG_DATA_HOME/quarvel/Products.db (usually ~/.local/share/quarvel/Products.db) when
// installed, Products.db in the program's folder otherwise.
QString defaultDatabasePath();

} // namespace quarvel
