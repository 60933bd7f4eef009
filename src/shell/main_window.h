#pragma once
// The main window: it carries the menu and shows every picture in its client area.

#include <QMainWindow>

#include "shell/program.h"

class QAction;
class QMenu;

namespace zel3 {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);

private:
    QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption);
    void buildMenus();
    void notAvailableYet();

    Program& program_;
};

}  // namespace zel3
