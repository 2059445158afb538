#pragma once

#include <QPageLayout>
#include <QString>

class QPrinter;

namespace quarvel::platform {

// The default printer's orientation, as CUPS keeps it: the "orientation-requested" default
// option of the default destination (3 portrait, 4 landscape), read and written as lpoptions
// defaults, the way `lpoptions -o orientation-requested=4` does. libcups writes those defaults
// to ~/.cups/lpoptions, or for root to lpoptions in the CUPS server root, so they apply to every
// later print job of that user (or of the machine). "media" and all other options are left as
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

// The orientation a report is printed in: the default printer's, or the report's own when there
// is no default printer or its orientation is unknown.
QPageLayout::Orientation printerOrientationFor(QPageLayout::Orientation reportOrientation);
// Gives the printer that orientation.
void applyDefaultOrientation(QPrinter& printer, QPageLayout::Orientation reportOrientation);

} // namespace quarvel::platform
