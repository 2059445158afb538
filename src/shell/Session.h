#pragma once

#include <QString>
#include <QVariant>
#include <memory>

namespace quarvel {
class Recordset;
}

namespace quarvel::shell {

// What the Products window shares with the windows it opens, owned by it and handed to each
// of them, so that a window's dependencies show in its constructor. The first four recordsets
// are the Products window's, opened at its start-up; rsTransactions and rsProductTotals are
// replaced by new objects whenever it reloads its grid or its stock figures, so a window reads
// the member each time rather than keep the pointer. rsEmployees is the Employees window's,
// opened afresh at each of its loads; it stays open after the window closes, until the next
// load or the session's end.
class Session {
public:
    Session() = default;
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::shared_ptr<Recordset> rsProducts;
    std::shared_ptr<Recordset> rsTransactions;
    std::shared_ptr<Recordset> rsProductTotals;
    std::shared_ptr<Recordset> rsCategories;
    std::shared_ptr<Recordset> rsEmployees;

    // True asks the Purchase Orders window to start a new order when it opens.
    bool blnNewPurchaseOrder = false;
    // The key of an order the Purchase Orders window shows when it opens (instead of the
    // first), then forgets; Null for none.
    QVariant purchaseOrderToShow;
    // The key of the product chosen in the find box, for the Products window to show; Null
    // when the box closed without a choice.
    QVariant productToShow;

    // The report period as last displayed.
    QString strBeginDate;
    QString strEndDate;

    // Releases the recordsets (the Products window calls it when it goes).
    void releaseRecordsets();
};

} // namespace quarvel::shell
