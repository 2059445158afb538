#pragma once

#include <QString>

namespace quarvel {

// The first start of an installed program, whose default database (in the user's data folder)
// does not exist yet: the user is offered to create it, with the sample data or empty, by
// `quarvel-db init`, the same code that creates every database. False when the user chose to
// quit or it could not be created (the user has been told why).
bool offerToCreateDatabase(const QString& path);

} // namespace quarvel
