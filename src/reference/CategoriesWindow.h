#pragma once

#include "reference/LookupGridWindow.h"

namespace quarvel::shell {
class Session;
}

namespace quarvel::reference {

// Form2 "Product Categories": the categories in a grid. The window opens no recordset of its
// own: its grid edits rsCategories, the Products window's category list, so that a category
// added or renamed here is in the Products window's category combo at once.
class CategoriesWindow : public LookupGridWindow {
    Q_OBJECT

public:
    explicit CategoriesWindow(shell::Session& session, const QString& programFolder = QString(),
                              QWidget* parent = nullptr);

    void Form_Load() override;

public slots:
    // "Add New Category": a row named "New Category", written at once, then the Products
    // window's pending product edit is written too.
    void PushButton2_Click() override;

private:
    shell::Session& m_session;
};

} // namespace quarvel::reference
