#include "ReportTable.h"

#include "ReportError.h"
#include "Tr.h"

#include <QDate>
#include <cstring>

namespace quarvel::reports {

namespace {

enum Kind : quint8 { Null, Int, LongLong, Double, Date, Text, Bool, Other };

// Characters per block of text: the first block is small, each next one twice as large up to
// the largest. A text is never split over two blocks.
constexpr qsizetype kFirstBlock = 4096;
constexpr qsizetype kBlockSize = qsizetype(1) << 20;
// A text's place: its block (24 bits), where it starts in the block (20 bits), its length (20).
constexpr int kStartBits = 20;
constexpr int kLengthBits = 20;
constexpr qsizetype kLongestText = (qsizetype(1) << kLengthBits) - 1;

} // namespace

ReportTable::ReportTable(const QStringList& columns) : m_columns(columns) {}
ReportTable::ReportTable(ReportTable&&) noexcept = default;
ReportTable& ReportTable::operator=(ReportTable&&) noexcept = default;
ReportTable::~ReportTable() = default;

ReportTable::ReportTable(const ReportTable& other)
    : m_columns(other.m_columns), m_rowCount(other.m_rowCount), m_kinds(other.m_kinds),
      m_bits(other.m_bits), m_blockSizes(other.m_blockSizes), m_blockUsed(other.m_blockUsed),
      m_others(other.m_others) {
    for (std::size_t i = 0; i < other.m_blocks.size(); ++i) {
        const qsizetype size = other.m_blockSizes[i];
        m_blocks.push_back(std::make_unique_for_overwrite<char16_t[]>(std::size_t(size)));
        std::memcpy(m_blocks.back().get(), other.m_blocks[i].get(),
                    std::size_t(size) * sizeof(char16_t));
    }
}

ReportTable& ReportTable::operator=(const ReportTable& other) {
    if (this != &other)
        *this = ReportTable(other);
    return *this;
}

quint64 ReportTable::storeText(const QString& text) {
    const qsizetype length = text.size();
    if (m_blocks.empty() || m_blockUsed + length > m_blockSizes.back()) {
        const qsizetype size =
            std::max(length, m_blockSizes.empty() ? kFirstBlock
                                                  : std::min(kBlockSize, m_blockSizes.back() * 2));
        m_blocks.push_back(std::make_unique_for_overwrite<char16_t[]>(std::size_t(size)));
        m_blockSizes.push_back(size);
        m_blockUsed = 0;
    }
    std::memcpy(m_blocks.back().get() + m_blockUsed, text.utf16(), length * sizeof(char16_t));
    const quint64 place = (quint64(m_blocks.size() - 1) << (kStartBits + kLengthBits)) |
                          (quint64(m_blockUsed) << kLengthBits) | quint64(length);
    m_blockUsed += length;
    return place;
}

void ReportTable::append(const QVariant& value) {
    quint64 bits = 0;
    Kind kind = Other;
    if (value.isNull()) {
        kind = Null;
    } else {
        switch (value.typeId()) {
        case QMetaType::Int:
            kind = Int;
            bits = quint64(qint64(value.toInt()));
            break;
        case QMetaType::LongLong:
            kind = LongLong;
            bits = quint64(value.toLongLong());
            break;
        case QMetaType::Double: {
            kind = Double;
            const double d = value.toDouble();
            std::memcpy(&bits, &d, sizeof d);
            break;
        }
        case QMetaType::QDate:
            kind = Date;
            bits = quint64(value.toDate().toJulianDay());
            break;
        case QMetaType::Bool:
            kind = Bool;
            bits = value.toBool() ? 1 : 0;
            break;
        case QMetaType::QString:
            if (value.toString().size() <= kLongestText) {
                kind = Text;
                bits = storeText(value.toString());
            }
            break;
        default:
            break;
        }
    }
    if (kind == Other) {
        bits = m_others.size();
        m_others.push_back(value);
    }
    m_kinds.push_back(kind);
    m_bits.push_back(bits);
}

void ReportTable::addRow(const QVariantList& values) {
    if (values.size() != m_columns.size()) {
        throw ReportError(Tr::tr("A report row has %1 values for %2 columns.")
                              .arg(values.size())
                              .arg(m_columns.size()));
    }
    for (const QVariant& value : values)
        append(value);
    ++m_rowCount;
}

int ReportTable::columnIndex(const QString& name) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    const int dot = name.lastIndexOf(u'.');
    if (dot >= 0) {
        const QString bare = name.mid(dot + 1);
        for (int i = 0; i < m_columns.size(); ++i) {
            if (m_columns.at(i).compare(bare, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
    int found = -1;
    const QString suffix = u'.' + name;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).endsWith(suffix, Qt::CaseInsensitive)) {
            if (found >= 0)
                return -1; // ambiguous
            found = i;
        }
    }
    return found;
}

QVariant ReportTable::value(int row, const QString& column) const {
    const int index = columnIndex(column);
    if (index < 0) {
        throw ReportError(Tr::tr("The report data has no field named '%1'. Its fields are: %2.")
                              .arg(column, m_columns.join(QStringLiteral(", "))));
    }
    return value(row, index);
}

QVariant ReportTable::value(int row, int column) const {
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columns.size())
        throw ReportError(Tr::tr("The report data has no row %1, column %2.").arg(row).arg(column));
    const std::size_t at = std::size_t(row) * std::size_t(m_columns.size()) + std::size_t(column);
    const quint64 bits = m_bits[at];
    switch (m_kinds[at]) {
    case Null:
        return {};
    case Int:
        return int(qint64(bits));
    case LongLong:
        return qlonglong(bits);
    case Double: {
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    case Date:
        return QDate::fromJulianDay(qint64(bits));
    case Bool:
        return bits != 0;
    case Text: {
        const auto block = std::size_t(bits >> (kStartBits + kLengthBits));
        const auto start = qsizetype((bits >> kLengthBits) & ((quint64(1) << kStartBits) - 1));
        const auto length = qsizetype(bits & ((quint64(1) << kLengthBits) - 1));
        return QString(reinterpret_cast<const QChar*>(m_blocks[block].get() + start), length);
    }
    default:
        return m_others[std::size_t(bits)];
    }
}

} // namespace quarvel::reports
