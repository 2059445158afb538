#include "sqlite/Error.h"

namespace quarvel::sqlite {

Error::Error(const QString& message, int extendedCode, const QString& sql)
    : std::runtime_error(message.toStdString()), m_message(message), m_extendedCode(extendedCode),
      m_sql(sql) {}

} // namespace quarvel::sqlite
