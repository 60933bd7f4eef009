// Pages "Directories", "Grafik", "CAD" and the colour page of the settings dialog.
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/settings_dialog.h"
#include "graphics/canvas.h"
#include "util/qt_text.h"

namespace zel3 {

QWidget* SettingsDialog::buildDirectories() {
    QVBoxLayout* content = nullptr;
    QWidget* w = page("Tab_dir", 1605, content);
    auto* grid = new QGridLayout;
    struct Row {
        QLineEdit** field;
        const char* name;
        const char* label;
    } rows[] = {
        {&dirDbf_, "Edit_dirdbf", "Ordner für Datenbankdateien (dbf)"},
        {&dirPlt_, "Edit_dirplt", "Hilfebilder(plt), Hilfetext(hlp), Demoskript(dem)"},
        {&dirTemp_, "Edit_dirtemp", "Temporärer Ordner"},
        {&dirData_, "Edit_dirdata", "Default Data Directory"},
        {&dirCad_, "Edit_dircad", "CAD Ordner"},
        {&dirExe_, "Edit_direxe", "TRELLOX-Programm-Ordner"},
        {&dirEdi_, "Edit_diredi", "EDI Ordner"},
    };
    int r = 0;
    for (const Row& row : rows) {
        QLineEdit* e = edit(w, row.name);
        e->setMinimumWidth(320);
        *row.field = e;
        grid->addWidget(labelFor(QString::fromUtf8(row.label), e, w), r, 0);
        grid->addWidget(e, r, 1);
        QPushButton* pick =
            button(w, QStringLiteral("..."), (std::string("Button_") + (row.name + 5)).c_str());
        connect(pick, &QPushButton::clicked, this, [this, e] { pickFolder(e); });
        grid->addWidget(pick, r, 2);
        if (e == dirTemp_) {
            QPushButton* env = lessButton(w, "Button_dirtempenv");
            env->setEnabled(!env_.tempVariable.empty());
            connect(env, &QPushButton::clicked, this, [this] {
                if (!env_.tempVariable.empty()) dirTemp_->setText(Q(env_.tempVariable));
            });
            grid->addWidget(env, r, 3);
        }
        ++r;
    }
    auto* working = edit(w, "Edit_dirworking");
    working->setReadOnly(true);
    working->setText(Q(env_.workingDir));
    grid->addWidget(labelFor(QStringLiteral("Arbeitsverzeichnis"), working, w), r, 0);
    grid->addWidget(working, r, 1);
    QPushButton* what = button(w, QStringLiteral("?"), "Button_dirworkinghelp");
    what->setEnabled(static_cast<bool>(env_.showHelp));
    connect(what, &QPushButton::clicked, this, [this] {
        if (env_.showHelp) env_.showHelp(1605);
    });
    grid->addWidget(what, r, 2);
    grid->setColumnStretch(1, 1);
    content->addLayout(grid);
    auto* user = new QLabel(QStringLiteral("User: ") + Q(env_.user), w);
    user->setObjectName(QStringLiteral("Label_user"));
    content->addWidget(user);
    return w;
}

QWidget* SettingsDialog::buildGraphics() {
    QVBoxLayout* content = nullptr;
    QWidget* w = page("Tab_grafik", 1940, content);
    auto* top = new QHBoxLayout;
    screenGraphics_ = new RadioGroupBox(QStringLiteral("RadioGroup_bildschirmgrafik"),
                                        QStringLiteral("Bildschirmgrafik"),
                                        {QStringLiteral("color"), QStringLiteral("monochrom")}, w);
    top->addWidget(screenGraphics_);

    auto* size = new QGroupBox(QStringLiteral("Fenstergroesse"), w);
    auto* sizeGrid = new QGridLayout(size);
    x_ = edit(size, "Edit_x", 4);
    y_ = edit(size, "Edit_y", 4);
    for (QLineEdit* e : {x_, y_}) {
        e->setValidator(new QIntValidator(0, 9999, e));
        connect(e, &QLineEdit::editingFinished, this, &SettingsDialog::resizeDrawingArea);
    }
    sizeGrid->addWidget(labelFor(QStringLiteral("x"), x_, size), 0, 0);
    sizeGrid->addWidget(x_, 0, 1);
    sizeGrid->addWidget(labelFor(QStringLiteral("y"), y_, size), 1, 0);
    sizeGrid->addWidget(y_, 1, 1);
    QPushButton* sizeDefault = lessButton(size, "Button_fenstergroesse");
    connect(sizeDefault, &QPushButton::clicked, this, [this] {
        const FieldSize s = GraphicsWindowDefault(env_.screen, env_.graphicsWindow);
        x_->setText(QString::number(s.width));
        y_->setText(QString::number(s.height));
        resizeDrawingArea();
    });
    sizeGrid->addWidget(sizeDefault, 0, 2, 2, 1);
    top->addWidget(size);
    content->addLayout(top);

    auto* grid = new QGridLayout;
    int r = 0;
    font_ = edit(w, "Edit_font", 60);
    font_->setReadOnly(true);
    QPushButton* fontButton = button(w, QStringLiteral("Font..."), "Button_font");
    fontStyle_ = new QLabel(w);
    fontStyle_->setObjectName(QStringLiteral("Label_hstyle"));
    connect(fontButton, &QPushButton::clicked, this, [this] {
        QFont current(font_->text());
        current.setBold(graphicsFontStyle_ & 1);
        current.setItalic(graphicsFontStyle_ & 2);
        current.setUnderline(graphicsFontStyle_ & 4);
        current.setStrikeOut(graphicsFontStyle_ & 8);
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, current, this);
        if (!ok) return;
        font_->setText(f.family().left(60));
        graphicsFontStyle_ = (f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) |
                             (f.strikeOut() ? 8 : 0);
        showFontLabels();
    });
    grid->addWidget(labelFor(QStringLiteral("Textstil Grafik"), font_, w), r, 0);
    grid->addWidget(font_, r, 1);
    grid->addWidget(fontButton, r, 2);
    grid->addWidget(fontStyle_, r, 3);
    ++r;

    // A number field with a "<" button that puts the given default into it.
    auto numberRow = [&](QLineEdit*& field, const char* name, const char* label, const char* less,
                         const char* value) {
        field = edit(w, name);
        grid->addWidget(labelFor(QString::fromUtf8(label), field, w), r, 0);
        grid->addWidget(field, r, 1);
        QPushButton* b = lessButton(w, less);
        QLineEdit* target = field;
        const QString text = QString::fromLatin1(value);
        connect(b, &QPushButton::clicked, this, [target, text] { target->setText(text); });
        grid->addWidget(b, r, 2, Qt::AlignLeft);
        ++r;
    };
    numberRow(textWidth_, "Edit_textbreitenfaktor", "Textbreitenfaktor", "Button_textbreite",
              "0.8");
    numberRow(textHeight_, "Edit_texthoehenfaktor", "Texthöhenfaktor", "Button_texthoehe", "1");
    numberRow(zoom_, "Edit_zoomfaktor", "Zoomfaktor", "Button_zoom", "1.02");
    numberRow(pan_, "Edit_panfaktor", "Pan-Faktor", "Button_pan", "0.02");

    QPushButton* bg = button(w, QStringLiteral("Hintergrundfarbe..."), "Button_hintergrund");
    background_ = new QLabel(w);
    background_->setObjectName(QStringLiteral("Panel_colour"));
    background_->setFrameShape(QFrame::Panel);
    background_->setFrameShadow(QFrame::Sunken);
    background_->setAutoFillBackground(true);
    background_->setMinimumSize(60, 20);
    connect(bg, &QPushButton::clicked, this, [this] {
        const Rgb c = RgbFromStored(backgroundColor_);
        const QColor chosen = QColorDialog::getColor(QColor(c.r, c.g, c.b), this);
        if (!chosen.isValid()) return;
        backgroundColor_ = chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
        showBackground();
    });
    grid->addWidget(bg, r, 0);
    grid->addWidget(background_, r, 1);
    ++r;
    border_ = check(w, "CheckBox_umrandung", QStringLiteral("Umrandung"));
    grid->addWidget(border_, r++, 0, 1, 2);
    // SVG, PDF and PNG pictures of the CAD output.
    picturePrintLook_ = check(w, "CheckBox_bilddateiausdruck",
                              QString::fromUtf8("Bilddateien wie Ausdruck (schwarz auf weiß)"));
    grid->addWidget(picturePrintLook_, r++, 0, 1, 3);
    pictureDpi_ = spin(w, "SpinEdit_bilddateidpi", kPictureDpiMin, kPictureDpiMax);
    pictureDpi_->setSuffix(QStringLiteral(" dpi"));
    grid->addWidget(labelFor(QStringLiteral("PNG-Auflösung"), pictureDpi_, w), r, 0);
    grid->addWidget(pictureDpi_, r++, 1);

    auto spinRow = [&](QSpinBox*& field, const char* name, const char* label, const char* less) {
        field = spin(w, name, 0, 1000);
        field->setSuffix(QStringLiteral(" %"));
        grid->addWidget(labelFor(QString::fromUtf8(label), field, w), r, 0);
        grid->addWidget(field, r, 1);
        QPushButton* b = lessButton(w, less);
        grid->addWidget(b, r, 2, Qt::AlignLeft);
        ++r;
        return b;
    };
    connect(spinRow(windowScale_, "SpinEdit_dialogfenster", "Dialogfenster Größe",
                    "Button_dialogfenster"),
            &QPushButton::clicked, this, [this] {
                windowScale_->setValue(InputWindowScaleDefault(env_.screen, env_.graphicsWindow));
            });
    connect(spinRow(contentScale_, "SpinEdit_dialogelemente", "Dialogelemente Größe",
                    "Button_dialogelemente"),
            &QPushButton::clicked, this, [this] {
                contentScale_->setValue(DialogContentScaleDefault(env_.screen, env_.graphicsWindow,
                                                                  windowScale_->value()));
            });
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    content->addLayout(grid);

    auto* view = new QHBoxLayout;
    edit3d_ = check(w, "CheckBox_3dxyz", QStringLiteral("3D Edit x,y,z"));
    view->addWidget(edit3d_);
    const char* names[] = {"Edit_3dx", "Edit_3dy", "Edit_3dz"};
    const char* labels[] = {"x °", "y °", "z °"};
    for (int i = 0; i < 3; ++i) {
        angle3d_[i] = edit(w, names[i]);
        angle3d_[i]->setMaximumWidth(70);
        view->addWidget(labelFor(QString::fromUtf8(labels[i]), angle3d_[i], w));
        view->addWidget(angle3d_[i]);
    }
    view->addStretch(1);
    content->addLayout(view);
    return w;
}

namespace {
QTableWidget* LayerGrid(QWidget* parent, const char* name, const QStringList& rows,
                        const QStringList& columns) {
    auto* grid =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setVerticalHeaderLabels(rows);
    grid->setHorizontalHeaderLabels(columns);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c) grid->setItem(r, c, new QTableWidgetItem);
    return grid;
}
}  // namespace

QWidget* SettingsDialog::buildCad() {
    QVBoxLayout* content = nullptr;
    QWidget* w = page("Tab_cad", 1920, content);
    const QStringList rows{QStringLiteral("Ausgezogene  Linie   0.50 mm"),
                           QStringLiteral("Ausgezogene  Linie   0.35 mm"),
                           QStringLiteral("Ausgezogene  Linie   0.25 mm"),
                           QStringLiteral("Gestrichelte Linie   0.25 mm"),
                           QStringLiteral("Mittellinie          0.25 mm")};
    layers_ = LayerGrid(w, "StringGrid_layer", rows,
                        {QStringLiteral("Layer"), QStringLiteral("Farbe"),
                         QString::fromUtf8("Strichstärke"), QString()});
    QFont fixed = layers_->verticalHeader()->font();
    fixed.setFamily(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    layers_->verticalHeader()->setFont(fixed);
    for (int row = 0; row < 5; ++row) {
        layers_->item(row, 1)->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        QPushButton* less = lessButton(layers_, ("Button_layer" + std::to_string(5 - row)).c_str());
        connect(less, &QPushButton::clicked, this, [this, row] {
            const LayerRow d = LayerDefault(5 - row);
            layers_->item(row, 0)->setText(Q(d.name));
            setGridColor(layers_, row, d.color);
            layers_->item(row, 2)->setText(Q(d.thickness));
        });
        layers_->setCellWidget(row, 3, less);
    }
    layers_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layers_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layers_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    layers_->setFixedHeight(layers_->horizontalHeader()->sizeHint().height() +
                            5 * layers_->verticalHeader()->defaultSectionSize() + 4);
    connect(layers_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == 1) pickLayerColor(layers_, row);
    });
    content->addWidget(layers_);

    auto* row1 = new QHBoxLayout;
    QPushButton* color = button(w, QStringLiteral("Farbe..."), "Button_layercolor");
    connect(color, &QPushButton::clicked, this,
            [this] { pickLayerColor(layers_, layers_->currentRow()); });
    row1->addWidget(color);
    layerMono_ = check(w, "CheckBox_layermonochrom", QStringLiteral("Layer Monochrom ?"));
    row1->addWidget(layerMono_);
    row1->addStretch(1);
    QPushButton* layerHelp = button(w, QStringLiteral("Hilfe &Layer"), "Button_help_1910");
    layerHelp->setEnabled(static_cast<bool>(env_.showHelp));
    connect(layerHelp, &QPushButton::clicked, this, [this] {
        if (env_.showHelp) env_.showHelp(1910);
    });
    row1->addWidget(layerHelp);
    content->addLayout(row1);

    auto* grid = new QGridLayout;
    int r = 0;
    auto textRow = [&](QLineEdit*& field, const char* name, const char* label, int maxLength,
                       const char* less, const char* value) {
        field = edit(w, name, maxLength);
        grid->addWidget(labelFor(QString::fromUtf8(label), field, w), r, 0);
        grid->addWidget(field, r, 1);
        if (less) {
            QPushButton* b = lessButton(w, less);
            QLineEdit* target = field;
            const QString text = QString::fromUtf8(value);
            connect(b, &QPushButton::clicked, this, [target, text] { target->setText(text); });
            grid->addWidget(b, r, 2, Qt::AlignLeft);
        }
        ++r;
    };
    textRow(cadFont_, "Edit_cadfont", "Textstil CAD", 32, nullptr, nullptr);
    textRow(cadTextWidth_, "Edit_cadtextbreite", "Textbreitenfaktor CAD", 0, "Button_cadtextbreite",
            "1");
    textRow(cadTextAngle_, "Edit_cadtextwinkel", "Textwinkel", 0, "Button_cadtextwinkel", "0");
    textRow(release_, "Edit_freigabefeld", "Freigabefeld", 255, "Button_freigabefeld", "Frei");
    decimalsDxf_ = spin(w, "SpinEdit_dxfdec", 1, 32);
    grid->addWidget(labelFor(QStringLiteral("Anzahl der Dezimalstellen DXF, TXT"), decimalsDxf_, w),
                    r, 0);
    grid->addWidget(decimalsDxf_, r, 1, Qt::AlignLeft);
    QPushButton* dec = lessButton(w, "Button_dxfdec");
    connect(dec, &QPushButton::clicked, this, [this] { decimalsDxf_->setValue(6); });
    grid->addWidget(dec, r++, 2, Qt::AlignLeft);
    diagramLimits_ =
        check(w, "CheckBox_diagrammgrenzen", QStringLiteral("Diagrammgrenzen abfragen"));
    grid->addWidget(diagramLimits_, r++, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    content->addLayout(grid);
    cadTextType_ =
        new RadioGroupBox(QStringLiteral("radiogroupcadtexttyp"), QStringLiteral("Text Type"),
                          {QStringLiteral("OEM (ASCII)"), QStringLiteral("ANSI"),
                           QString::fromUtf8("Ä->Ae, ß->ss...")},
                          w, 3);
    content->addWidget(cadTextType_);
    return w;
}

QWidget* SettingsDialog::buildColors() {
    QVBoxLayout* content = nullptr;
    QWidget* w = page("Tab_color", 1555, content);
    QStringList rows;
    for (int layer = 16; layer <= 31; ++layer)
        rows << QStringLiteral("Farbe für Layer %1").arg(layer);
    colors_ = LayerGrid(w, "StringGrid_color", rows,
                        {QStringLiteral("Farbe"), QString::fromUtf8("Strichstärke")});
    for (int row = 0; row < 16; ++row)
        colors_->item(row, 0)->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    colors_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    colors_->setMinimumHeight(colors_->horizontalHeader()->sizeHint().height() +
                              8 * colors_->verticalHeader()->defaultSectionSize());
    connect(colors_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (column == 0) pickLayerColor(colors_, row);
    });
    content->addWidget(colors_);
    auto* row = new QHBoxLayout;
    QPushButton* color = button(w, QStringLiteral("Farbe..."), "Button_color");
    connect(color, &QPushButton::clicked, this, [this] {
        if (colors_->currentColumn() == 0) pickLayerColor(colors_, colors_->currentRow());
    });
    row->addWidget(color);
    row->addStretch(1);
    for (int t = 1; t <= 3; ++t) {
        QPushButton* b = button(w, QString::fromUtf8("Strichstärke=%1").arg(t),
                                ("Button_thickness" + std::to_string(t)).c_str());
        connect(b, &QPushButton::clicked, this, [this, t] {
            for (int r = 0; r < 16; ++r) colors_->item(r, 1)->setText(QString::number(t));
        });
        row->addWidget(b);
    }
    content->addLayout(row);
    return w;
}

}  // namespace zel3
