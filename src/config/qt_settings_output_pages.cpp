// Pages "Drucker", "Ausdruck", "Einstellungen", "Extern" and "Zeichnung" of the settings
// dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "config/settings_dialog.h"
#include "report/report_writer.h"

namespace zel3 {

namespace {
QString U(const char* s) {
    return QString::fromUtf8(s);
}
}  // namespace

QWidget* SettingsDialog::buildPrinter() {
    QVBoxLayout* content = nullptr;
    QWidget* w = page("Tab_drucker", 1935, content);
    auto* top = new QHBoxLayout;
    auto* scale = new QGroupBox(U("Maßstab"), w);
    auto* sg = new QGridLayout(scale);
    printScale_ = edit(scale, "Edit_printscale");
    printScaleY_ = edit(scale, "Edit_printscaley");
    QPushButton* sx = lessButton(scale, "Button_printscale");
    QPushButton* sy = lessButton(scale, "Button_printscaley");
    connect(sx, &QPushButton::clicked, this, [this] { printScale_->setText(U("1.0")); });
    connect(sy, &QPushButton::clicked, this,
            [this] { printScaleY_->setText(printScale_->text()); });
    sg->addWidget(labelFor(U("Maßstab x"), printScale_, scale), 0, 0);
    sg->addWidget(printScale_, 0, 1);
    sg->addWidget(sx, 0, 2);
    sg->addWidget(labelFor(U("Maßstab y"), printScaleY_, scale), 1, 0);
    sg->addWidget(printScaleY_, 1, 1);
    sg->addWidget(sy, 1, 2);
    top->addWidget(scale);

    auto* origin = new QGroupBox(U("Ursprung"), w);
    auto* og = new QGridLayout(origin);
    printX_ = edit(origin, "Edit_printxorigin");
    printY_ = edit(origin, "Edit_printyorigin");
    og->addWidget(labelFor(U("x"), printX_, origin), 0, 0);
    og->addWidget(printX_, 0, 1);
    og->addWidget(labelFor(U("y"), printY_, origin), 1, 0);
    og->addWidget(printY_, 1, 1);
    QPushButton* o = lessButton(origin, "Button_printorigin");
    connect(o, &QPushButton::clicked, this, [this] {
        printX_->setText(U("0"));
        printY_->setText(U("0"));
    });
    og->addWidget(o, 0, 2, 2, 1);
    top->addWidget(origin);
    content->addLayout(top);

    printBorder_ = check(w, "CheckBox_printborder", U("Umrandung"));
    // One setting behind both border boxes ("Grafik" and "Drucker").
    connect(printBorder_, &QCheckBox::toggled, border_, &QCheckBox::setChecked);
    connect(border_, &QCheckBox::toggled, printBorder_, &QCheckBox::setChecked);
    content->addWidget(printBorder_);
    auto* radios = new QHBoxLayout;
    printMono_ = new RadioGroupBox(U("RadioGroup_printmono"), U("Schattierung"),
                                   {U("Monochrom"), U("Color / Graustufen")}, w);
    orientation_ = new RadioGroupBox(U("RadioGroup_orientation"), U("Ausdruck"),
                                     {U("Hochformat"), U("Querformat")}, w);
    radios->addWidget(printMono_);
    radios->addWidget(orientation_);
    content->addLayout(radios);
    printerDialog_ = check(w, "CheckBox_printerDialogbox", U("Ausgabeformat abfragen"));
    content->addWidget(printerDialog_);
    lpt_ = new RadioGroupBox(U("RadioGroup_lpt"), U("Druckerschnittstelle für Textausdruck"),
                             {U("LPT1"), U("LPT2"), U("LPT3"), U("LPT4")}, w, 4);
    content->addWidget(lpt_);
    return w;
}

void SettingsDialog::showFontLabels() {
    fontStyle_->setText(QString::number(graphicsFontStyle_));
    printFont_->setText(printFontName_);
    printFontSize_->setText(QString::number(printFontPointSize_));
    printFontStyle_->setText(QString::number(printFontStyleBits_));
}

QWidget* SettingsDialog::buildTextPrint() {
    QVBoxLayout* content = nullptr;
    QWidget* w = page("Tab_textdruck", 1930, content);
    auto* top = new QHBoxLayout;
    separator_ =
        new RadioGroupBox(U("RadioGroup_trenn"), U("Form der Trennzeilen im Ausdruck"),
                          {U("Trennlinien  ---- ====  ****"), U("Trennlinien  ──── ════"),
                           U("Leerzeichen und Leerzeilen"), U("komprimiert, ohne Trennzeilen")},
                          w);
    top->addWidget(separator_);
    // The date helpers know three forms; a fourth would be lost when the file is read again.
    dateCode_ = new RadioGroupBox(U("RadioGroup_date"), U("Datum"),
                                  {U("DD.MM.YYYY"), U("MM/DD/YYYY"), U("YYYY/MM/DD")}, w);
    top->addWidget(dateCode_);
    content->addLayout(top);

    auto* grid = new QGridLayout;
    int r = 0;
    linesPerPage_ = spin(w, "SpinEdit_linesperpage", 5, 999);
    grid->addWidget(labelFor(U("Max. Anzahl Zeilen/Seite auf dem Ausdruck"), linesPerPage_, w), r,
                    0);
    grid->addWidget(linesPerPage_, r++, 1);
    spaceLines_ = spin(w, "SpinEdit_spacelines", 0, 30);
    grid->addWidget(labelFor(U("Leerzeilen am Seitenanfang"), spaceLines_, w), r, 0);
    grid->addWidget(spaceLines_, r++, 1);
    textDevice_ = new QComboBox(w);
    textDevice_->setObjectName(U("ComboBox_ausdruckdefault"));
    for (const std::string& name : ReportTargetNames())
        textDevice_->addItem(QString::fromUtf8(name.c_str()));
    grid->addWidget(labelFor(U("Ausgabeformat"), textDevice_, w), r, 0);
    grid->addWidget(textDevice_, r++, 1);
    textDeviceDialog_ = check(w, "CheckBox_ausdruckshowdialog", U("Ausgabeformat abfragen"));
    grid->addWidget(textDeviceDialog_, r++, 1);
    reportToClipboard_ =
        check(w, "CheckBox_clipboard", U("Bildschirmausgabe direkt in die Zwischenablage"));
    grid->addWidget(reportToClipboard_, r++, 1);

    QPushButton* font = button(w, U("Font.."), "Button_textfont");
    printFont_ = new QLabel(w);
    printFont_->setObjectName(U("Label_courier"));
    printFontSize_ = new QLabel(w);
    printFontSize_->setObjectName(U("Label_couriersize"));
    printFontStyle_ = new QLabel(w);
    printFontStyle_->setObjectName(U("Label_courierstyle"));
    connect(font, &QPushButton::clicked, this, [this] {
        QFont current(printFontName_, printFontPointSize_);
        current.setBold(printFontStyleBits_ & 1);
        current.setItalic(printFontStyleBits_ & 2);
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, current, this);
        if (!ok) return;
        printFontName_ = f.family().left(60);
        printFontPointSize_ = f.pointSize() > 0 ? f.pointSize() : 10;
        printFontStyleBits_ = (f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) |
                              (f.strikeOut() ? 8 : 0);
        showFontLabels();
    });
    auto* fontRow = new QHBoxLayout;
    for (QWidget* x : {static_cast<QWidget*>(printFont_), static_cast<QWidget*>(printFontSize_),
                       static_cast<QWidget*>(printFontStyle_)})
        fontRow->addWidget(x);
    fontRow->addStretch(1);
    grid->addWidget(font, r, 0, Qt::AlignLeft);
    grid->addLayout(fontRow, r++, 1);
    content->addLayout(grid);

    auto* middle = new QHBoxLayout;
    auto* window = new QGroupBox(U("Textfenster"), w);
    auto* wg = new QGridLayout(window);
    QLineEdit** fields[] = {&left_, &top_, &width_, &height_};
    const char* names[] = {"Edit_left", "Edit_top", "Edit_width", "Edit_height"};
    const char* labels[] = {"links", "oben", "Breite", "Höhe"};
    for (int i = 0; i < 4; ++i) {
        *fields[i] = edit(window, names[i], 5);
        (*fields[i])->setValidator(new QIntValidator(-9999, 99999, *fields[i]));
        wg->addWidget(labelFor(U(labels[i]), *fields[i], window), i / 2, (i % 2) * 2);
        wg->addWidget(*fields[i], i / 2, (i % 2) * 2 + 1);
    }
    QPushButton* rect = lessButton(window, "Button_textfenster");
    connect(rect, &QPushButton::clicked, this, [this] {
        const SettingsFormContext c = context();
        const int dw =
            DrawingAreaFromField(x_->text().toStdString(), c.screen.width, c.frameWidth) + 1;
        const int dh =
            DrawingAreaFromField(y_->text().toStdString(), c.screen.height, c.frameHeight) + 1;
        const TextWindowRect t = TextWindowDefault(printFontPointSize_, dw, dh);
        left_->setText(QString::number(t.left));
        top_->setText(QString::number(t.top));
        width_->setText(QString::number(t.width));
        height_->setText(QString::number(t.height));
    });
    wg->addWidget(rect, 0, 4, 2, 1);
    middle->addWidget(window);
    unit_ = new RadioGroupBox(U("RadioGroup_unit"), U("Einheit"),
                              {U("Metrisch (mm, N, MPa)"), U("Englisch (in, lbf, psi)")}, w);
    middle->addWidget(unit_);
    content->addLayout(middle);

    auto* bottom = new QHBoxLayout;
    header_ = new RadioGroupBox(U("RadioGroup_ff"), U("Textausdruck"),
                                {U("mit Kopf"), U("Kopf nur 1.Seite")}, w);
    angleFormat_ = new RadioGroupBox(U("RadioGroup_ausgrad"), U("Winkel"),
                                     {U("15.1234°"), U("15° 7' 26\"")}, w);
    bottom->addWidget(header_);
    bottom->addWidget(angleFormat_);
    content->addLayout(bottom);
    return w;
}

QWidget* SettingsDialog::buildOptions() {
    QVBoxLayout* content = nullptr;
    QWidget* w = page("Tab_einstellung", 1930, content);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    helpLevel_ = new RadioGroupBox(U("RadioGroup_hilfegrad"), U("Hilfegrad"),
                                   {U("0 : Keine Info nach Eingabe"), U("1 : Normale Einstellung"),
                                    U("2 : Erweiterte Hilfe, Einzeleingabe")},
                                   w);
    left->addWidget(helpLevel_);
    userAtStart_ = check(w, "CheckBox_usereingabe", U("Usereingabe bei Programmstart"));
    left->addWidget(userAtStart_);
    archive_ = check(w, "CheckBox_archivmode", U("Archivierungsmodus ?"));
    left->addWidget(archive_);
    auto* dec = new QHBoxLayout;
    decimals_ = spin(w, "SpinEdit_dezimalstellen", 1, 9);
    dec->addWidget(labelFor(U("Anzahl der Dezimalstellen"), decimals_, w));
    dec->addWidget(decimals_);
    dec->addStretch(1);
    left->addLayout(dec);
    top->addLayout(left);
    auto* right = new QVBoxLayout;
    decimalSign_ = new RadioGroupBox(U("RadioGroup_punktkomma"), U("Dezimalzeichen"),
                                     {U("x.xx"), U("x,xx")}, w, 2);
    excelSign_ = new RadioGroupBox(U("RadioGroup_ExcelDot"), U("Dezimalzeichen Excel"),
                                   {U("English x.xx"), U("German x,xx")}, w, 2);
    specialChars_ = new RadioGroupBox(U("RadioGroup_chars"), U("Sonderzeichen"),
                                      {U("²  µ  °"), U("2  u  deg")}, w, 2);
    for (QWidget* x : {decimalSign_, excelSign_, specialChars_}) right->addWidget(x);
    top->addLayout(right);
    content->addLayout(top);
    resultView_ = new RadioGroupBox(U("RadioGroup_ergebnisgrafik"), U("Ergebnisgrafik"),
                                    {U("egal"), U("Quick 1"), U("Quick 2"),
                                     U("Fertigungszeichnung"), U("Diagramm"), U("Zeichnung")},
                                    w, 3);
    content->addWidget(resultView_);
    calculationMethod_ = new RadioGroupBox(
        U("RadioGroup_berechnungsverfahren"), U("Berechnungsverfahren"),
        {U("Koeffiziententabelle"), U("exakt (elliptische Integrale)")}, w, 2);
    calculationMethod_->setToolTip(
        U("Koeffiziententabelle: Hertz'sche Beiwerte über dem Hilfswinkel, wie bisher.\n"
          "Exakt: Kontaktellipse über die vollständigen elliptischen Integrale, jeder Körper "
          "mit seiner eigenen Querkontraktionszahl;\nSpannungen unter der Kontaktmitte "
          "(Sigma x, y, z, tau und Vergleichsspannung nach v. Mises) und ihre Maxima exakt."));
    calculationMethod_->setWhatsThis(calculationMethod_->toolTip());
    content->addWidget(calculationMethod_);

    auto* plot = new QGroupBox(U("KAVROT Command Lines"), w);
    auto* pl = new QHBoxLayout(plot);
    kavrot_ = new QListWidget(plot);
    kavrot_->setObjectName(U("ListBox_kavrot"));
    for (int i = 0; i < 5; ++i) kavrot_->addItem(QString());
    kavrot_->setFixedHeight(kavrot_->sizeHintForRow(0) * 5 + 2 * kavrot_->frameWidth() + 2);
    pl->addWidget(kavrot_, 1);
    auto* buttons = new QVBoxLayout;
    QPushButton* editLine = button(plot, U("Edit"), "Button_editkavrotcommandline");
    QPushButton* config = button(plot, U("Config"), "Button_confkavrot");
    config->setEnabled(static_cast<bool>(env_.editPlotCommand));
    connect(editLine, &QPushButton::clicked, this, [this] { editPlotLine(false); });
    connect(config, &QPushButton::clicked, this, [this] { editPlotLine(true); });
    connect(kavrot_, &QListWidget::itemDoubleClicked, this, [this] {
        if (env_.editPlotCommand) editPlotLine(true);
    });
    buttons->addWidget(editLine);
    buttons->addWidget(config);
    buttons->addStretch(1);
    pl->addLayout(buttons);
    content->addWidget(plot);
    return w;
}

QWidget* SettingsDialog::buildExtern() {
    QVBoxLayout* content = nullptr;
    QWidget* w = page("Tab_extern", 1930, content);
    auto* grid = new QGridLayout;
    QLineEdit** fields[] = {&textProgram_, &htmlBrowser_};
    const char* names[] = {"Edit_externtxt", "Edit_externhtml"};
    const char* labels[] = {"Textprogramm", "HTML Browser"};
    for (int i = 0; i < 2; ++i) {
        QLineEdit* e = edit(w, names[i]);
        e->setMinimumWidth(320);
        *fields[i] = e;
        grid->addWidget(labelFor(U(labels[i]), e, w), i, 0);
        grid->addWidget(e, i, 1);
        QPushButton* pick = button(w, U("..."), i == 0 ? "Button_externtxt" : "Button_externhtml");
        connect(pick, &QPushButton::clicked, this, [this, e] { pickProgram(e); });
        grid->addWidget(pick, i, 2);
    }
    grid->setColumnStretch(1, 1);
    content->addLayout(grid);
    return w;
}

QWidget* SettingsDialog::buildDrawing() {
    QVBoxLayout* content = nullptr;
    QWidget* w = page("Tab_zeichnung", 1920, content);
    auto* group = new QGroupBox(U("Fertigungszeichnung"), w);
    auto* gl = new QVBoxLayout(group);
    changeIndex_ =
        new RadioGroupBox(U("RadioGroup_index"), U("Index"),
                          {U("a,b,c..."), U("1,2,3..."), U("A,B,C..."), U("......")}, group, 4);
    gl->addWidget(changeIndex_);
    auto* dim = new QGroupBox(U("Bemaßung"), group);
    auto* dl = new QHBoxLayout(dim);
    sizeFactor_ = edit(dim, "Edit_massfaktorconfig");
    dl->addWidget(labelFor(U("Größenfaktor"), sizeFactor_, dim));
    dl->addWidget(sizeFactor_);
    QPushButton* less = lessButton(dim, "Button_massfaktor");
    connect(less, &QPushButton::clicked, this, [this] { sizeFactor_->setText(U("1.0")); });
    dl->addWidget(less);
    dl->addStretch(1);
    gl->addWidget(dim);
    makerTitle_ = check(group, "CheckBox_zeichtrelloxtitel", U("TRELLOX Titel ?"));
    fileName_ = check(group, "CheckBox_zeichfilename", U("file name ?"));
    date_ = check(group, "CheckBox_zeichdate", U("Datum ?"));
    logo_ = check(group, "CheckBox_zeichlogo", U("$logo_1.dx$ ?"));
    for (QCheckBox* c : {makerTitle_, fileName_, date_, logo_}) gl->addWidget(c);
    content->addWidget(group);
    return w;
}

}  // namespace zel3
