#pragma once

#include <memory>

namespace quarvel {

class Connection;

// The most recently opened connection. Every window replaces it before it opens each of its
// recordsets; recordsets keep their own connection alive, so replacing it never closes one
// that is still in use.
extern std::shared_ptr<Connection> SharedConnection;

} // namespace quarvel
