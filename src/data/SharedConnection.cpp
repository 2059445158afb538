#include "data/SharedConnection.h"

#include "data/Connection.h"

namespace quarvel {

std::shared_ptr<Connection> SharedConnection;

} // namespace quarvel
