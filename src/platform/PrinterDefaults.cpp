#include "PrinterDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <cups/cups.h>
#include <pwd.h>
#include <unistd.h>

namespace quarvel::platform {

namespace {

constexpr const char* orientationOption = "orientation-requested";
constexpr const char* landscapeOption = "landscape";

// The default destination with its lpoptions defaults merged in; freed on scope exit.
class DefaultDest {
public:
    DefaultDest() : m_dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)) {}
    ~DefaultDest() {
        if (m_dest)
            cupsFreeDests(1, m_dest);
    }
    DefaultDest(const DefaultDest&) = delete;
    DefaultDest& operator=(const DefaultDest&) = delete;

    cups_dest_t* get() const { return m_dest; }
    const char* option(const char* name) const {
        return m_dest ? cupsGetOption(name, m_dest->num_options, m_dest->options) : nullptr;
    }

private:
    cups_dest_t* m_dest;
};

PrinterOrientation fromIpp(int value) {
    switch (value) {
    case IPP_ORIENT_PORTRAIT:
    case IPP_ORIENT_REVERSE_PORTRAIT:
        return PrinterOrientation::Portrait;
    case IPP_ORIENT_LANDSCAPE:
    case IPP_ORIENT_REVERSE_LANDSCAPE:
        return PrinterOrientation::Landscape;
    default:
        return PrinterOrientation::Unknown;
    }
}

// The printer's own default, asked of the server.
PrinterOrientation printerDefault(cups_dest_t* dest) {
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
    if (!info)
        return PrinterOrientation::Unknown;
    PrinterOrientation result = PrinterOrientation::Unknown;
    if (ipp_attribute_t* attr =
            cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, orientationOption)) {
        const ipp_tag_t tag = ippGetValueTag(attr);
        if (tag == IPP_TAG_ENUM || tag == IPP_TAG_INTEGER)
            result = fromIpp(ippGetInteger(attr, 0));
    }
    cupsFreeDestInfo(info);
    return result;
}

// A keyword default of the printer itself, asked of the server; empty when it has none.
QByteArray printerKeywordDefault(cups_dest_t* dest, const char* option) {
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
    if (!info)
        return QByteArray();
    QByteArray result;
    if (ipp_attribute_t* attr = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, option)) {
        if (const char* value = ippGetString(attr, 0, nullptr))
            result = value;
    }
    cupsFreeDestInfo(info);
    return result;
}

// The Windows paper code of a CUPS media value ("Legal", "na_letter_8.5x11in", "A4,tray-1").
int paperCode(const QByteArray& media) {
    for (const QByteArray& part : media.split(',')) {
        const QByteArray name = part.trimmed();
        if (name.isEmpty())
            continue;
        pwg_media_t* size = pwgMediaForLegacy(name.constData());
        if (!size)
            size = pwgMediaForPWG(name.constData());
        if (!size)
            size = pwgMediaForPPD(name.constData());
        if (!size)
            continue;
        const QPageSize::PageSizeId id =
            QPageSize::id(QSizeF(size->width / 100.0, size->length / 100.0), QPageSize::Millimeter,
                          QPageSize::FuzzyMatch);
        if (id != QPageSize::Custom)
            return QPageSize(id).windowsId();
    }
    return 0;
}

// The lpoptions files libcups reads and may write: the user's (under HOME) and the one in the
// CUPS server root (written for root when it has no HOME).
std::vector<QString> optionsFiles() {
    QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
        if (const passwd* user = getpwuid(getuid()))
            home = QString::fromLocal8Bit(user->pw_dir);
    }
    QString serverRoot = qEnvironmentVariable("CUPS_SERVERROOT");
    if (serverRoot.isEmpty())
        serverRoot = QStringLiteral("/etc/cups");
    std::vector<QString> files;
    if (!home.isEmpty())
        files.push_back(home + QStringLiteral("/.cups/lpoptions"));
    files.push_back(serverRoot + QStringLiteral("/lpoptions"));
    return files;
}

std::optional<QByteArray> fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Gives a file these bytes, or removes it when they are unset.
bool putBytes(const QString& path, const std::optional<QByteArray>& bytes) {
    if (!bytes)
        return !QFileInfo::exists(path) || QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(*bytes) == bytes->size();
}

std::optional<QByteArray> optionValue(const char* value) {
    return value ? std::optional<QByteArray>(QByteArray(value)) : std::nullopt;
}

// Sets the printer's user options "orientation-requested" and "landscape" to these values
// (unset removes them) and writes the lpoptions file when anything differs.
bool putOrientationOptions(const OrientationSnapshot& wanted) {
    const QByteArray printer = wanted.printer.toUtf8();
    const qsizetype slash = printer.indexOf('/');
    const QByteArray name = slash < 0 ? printer : printer.left(slash);
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1);
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cups_dest_t* dest = cupsGetDest(
        name.constData(), instance.isEmpty() ? nullptr : instance.constData(), count, dests);
    bool ok = false;
    if (dest) {
        bool changed = false;
        for (const auto& [option, value] :
             {std::pair{orientationOption, &wanted.orientationRequested},
              std::pair{landscapeOption, &wanted.landscape}}) {
            const std::optional<QByteArray> current =
                optionValue(cupsGetOption(option, dest->num_options, dest->options));
            if (current == *value)
                continue;
            changed = true;
            dest->num_options = *value
                                    ? cupsAddOption(option, (*value)->constData(),
                                                    dest->num_options, &dest->options)
                                    : cupsRemoveOption(option, dest->num_options, &dest->options);
        }
        ok = !changed || cupsSetDests2(CUPS_HTTP_DEFAULT, count, dests) == 0;
    }
    cupsFreeDests(count, dests);
    return ok;
}

} // namespace

bool hasDefaultPrinter() {
    return DefaultDest().get() != nullptr;
}

QString defaultPrinterName() {
    const DefaultDest dest;
    if (!dest.get())
        return QString();
    QString name = QString::fromUtf8(dest.get()->name);
    if (dest.get()->instance)
        name += u'/' + QString::fromUtf8(dest.get()->instance);
    return name;
}

PrinterOrientation defaultOrientation() {
    const DefaultDest dest;
    if (!dest.get())
        return PrinterOrientation::Unknown;
    if (const char* value = dest.option(orientationOption))
        return fromIpp(QByteArray(value).trimmed().toInt());
    if (const char* landscape = dest.option(landscapeOption)) {
        const QByteArray v = QByteArray(landscape).trimmed().toLower();
        if (v.isEmpty() || v == "true" || v == "yes" || v == "on")
            return PrinterOrientation::Landscape;
    }
    return printerDefault(dest.get());
}

bool setDefaultOrientation(PrinterOrientation orientation) {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cups_dest_t* dest = cupsGetDest(nullptr, nullptr, count, dests);
    bool ok = false;
    if (dest) {
        dest->num_options = cupsRemoveOption(landscapeOption, dest->num_options, &dest->options);
        if (orientation == PrinterOrientation::Unknown) {
            dest->num_options =
                cupsRemoveOption(orientationOption, dest->num_options, &dest->options);
        } else {
            const char* value = orientation == PrinterOrientation::Landscape ? "4" : "3";
            dest->num_options =
                cupsAddOption(orientationOption, value, dest->num_options, &dest->options);
        }
        ok = cupsSetDests2(CUPS_HTTP_DEFAULT, count, dests) == 0;
    }
    cupsFreeDests(count, dests);
    return ok;
}

QString defaultPrinterOption(const QString& name) {
    const DefaultDest dest;
    const char* value = dest.option(name.toUtf8().constData());
    return value ? QString::fromUtf8(value) : QString();
}

int defaultPaperSize() {
    const DefaultDest dest;
    if (!dest.get())
        return 0;
    if (const char* media = dest.option("media")) {
        if (const int code = paperCode(media))
            return code;
    }
    return paperCode(printerKeywordDefault(dest.get(), "media"));
}

std::optional<OrientationSnapshot> orientationSnapshot() {
    const DefaultDest dest;
    if (!dest.get())
        return std::nullopt;
    OrientationSnapshot snapshot;
    snapshot.printer = QString::fromUtf8(dest.get()->name);
    if (dest.get()->instance)
        snapshot.printer += u'/' + QString::fromUtf8(dest.get()->instance);
    snapshot.orientationRequested = optionValue(dest.option(orientationOption));
    snapshot.landscape = optionValue(dest.option(landscapeOption));
    for (const QString& path : optionsFiles())
        snapshot.files.push_back({path, fileBytes(path)});
    return snapshot;
}

bool restoreOrientation(const OrientationSnapshot& before, const OrientationSnapshot& after) {
    // The files the change wrote, if each still holds what it left.
    std::vector<size_t> written;
    bool untouchedSince = before.files.size() == after.files.size();
    for (size_t i = 0; untouchedSince && i < before.files.size(); ++i) {
        const OrientationSnapshot::File& was = before.files[i];
        const OrientationSnapshot::File& left = after.files[i];
        if (was.path != left.path || was.bytes == left.bytes)
            continue;
        written.push_back(i);
        untouchedSince = fileBytes(left.path) == left.bytes;
    }
    if (untouchedSince && !written.empty()) {
        bool ok = true;
        for (const size_t i : written)
            ok = putBytes(before.files[i].path, before.files[i].bytes) && ok;
        return ok;
    }
    return putOrientationOptions(before);
}

QPageLayout::Orientation printerOrientationFor(QPageLayout::Orientation reportOrientation) {
    switch (defaultOrientation()) {
    case PrinterOrientation::Portrait:
        return QPageLayout::Portrait;
    case PrinterOrientation::Landscape:
        return QPageLayout::Landscape;
    case PrinterOrientation::Unknown:
        break;
    }
    return reportOrientation;
}

void applyDefaultOrientation(QPrinter& printer, QPageLayout::Orientation reportOrientation) {
    printer.setPageOrientation(printerOrientationFor(reportOrientation));
}

} // namespace quarvel::platform
