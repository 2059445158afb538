#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <optional>
#include <vector>

class QPrinter;

namespace quarvel::platform {

// The default printer's orientation, as CUPS keeps it: the "orientation-requested" default
// option of the default destination (3 portrait, 4 landscape), read and written as lpoptions
// defaults, the way `lpoptions -o orientation-requested=4` does. libcups writes those defaults
// to ~/.cups/lpoptions (for root without a home, to lpoptions in the CUPS server root), so they
// apply to every later print job of that user. "media" and all other options are left as
// they are. Nothing here throws; without a default printer nothing is changed.
enum class PrinterOrientation { Unknown, Portrait, Landscape };

bool hasDefaultPrinter();
// The default destination's name ("name/instance" for an instance), empty when there is none.
QString defaultPrinterName();
// The user default when set, else the printer's own default, else Unknown (also when there is
// no default printer).
PrinterOrientation defaultOrientation();
// Writes the default; Unknown removes the user default so the printer's own applies again.
// False when there is no default printer or the defaults cannot be written.
bool setDefaultOrientation(PrinterOrientation orientation);
// The default printer's user default of any option, empty when unset.
QString defaultPrinterOption(const QString& name);

// The default printer's paper size as a Windows paper code (1 letter, 5 legal, 9 A4, ...): the
// user's "media" default, else the printer's own; 0 when unknown or without a default printer.
int defaultPaperSize();

// What setDefaultOrientation changes, as it stands: the user's own "orientation-requested" and
// "landscape" options of the default printer (unset when the user has none) and the bytes of
// the lpoptions files libcups reads and writes (unset when a file does not exist).
struct OrientationSnapshot {
    struct File {
        QString path;
        std::optional<QByteArray> bytes;
    };
    QString printer; // "name" or "name/instance"
    std::optional<QByteArray> orientationRequested;
    std::optional<QByteArray> landscape;
    std::vector<File> files;
};
// Unset without a default printer.
std::optional<OrientationSnapshot> orientationSnapshot();
// Puts `before` back after a change that left `after`. Every lpoptions file that still holds
// exactly what the change left gets its bytes back (or is removed again when it did not
// exist); when another program has changed the options since, only the two orientation
// options are set back, so its change is kept.
bool restoreOrientation(const OrientationSnapshot& before, const OrientationSnapshot& after);

// The orientation a report is printed in: the default printer's, or the report's own when there
// is no default printer or its orientation is unknown.
QPageLayout::Orientation printerOrientationFor(QPageLayout::Orientation reportOrientation);
// Gives the printer that orientation.
void applyDefaultOrientation(QPrinter& printer, QPageLayout::Orientation reportOrientation);

} // namespace quarvel::platform
