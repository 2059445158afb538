#include "PrinterDefaults.h"

#include <QPrinter>
#include <cups/cups.h>

namespace quarvel::platform {

namespace {

constexpr const char* orientationOption = "orientation-requested";

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
    if (const char* landscape = dest.option("landscape")) {
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
        dest->num_options = cupsRemoveOption("landscape", dest->num_options, &dest->options);
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
