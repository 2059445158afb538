#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace quarvel::reports {

// Form3 "Reports": the report menu. One button per report hands its number to ShowReport;
// "Close" unloads the window. Every procedure carries the error trap, so a report that fails
// is reported under its button's procedure name ("Form3.PushButton2_Click").
class ReportsWindow : public QDialog {
    Q_OBJECT

public:
    // programFolder is where HAND-M.CUR is looked for (the program's folder when empty).
    explicit ReportsWindow(const QString& programFolder = QString(), QWidget* parent = nullptr);

    // Loads the window and shows it modally over parent; returns when it closes. This is what
    // "View Reports" and the task menu's reports entry call.
    static void showModal(QWidget* parent, const QString& programFolder = QString());

    // The designer's PushButton<number> (1 to 5).
    QPushButton* button(int number) const;

public slots:
    void Form_Load();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();

private:
    void showReport(const QString& procedure, int reportNumber);

    QString m_programFolder;
};

} // namespace quarvel::reports
