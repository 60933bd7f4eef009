#include "cad/plot_converter_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/settings_dialog.h"
#include "docu/qt_dialog_buttons.h"
#include "util/qt_text.h"

namespace zel3 {

namespace {

QPushButton* SmallButton(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TForm_confkavrot::TForm_confkavrot(const PlotConverterForm& form, const std::string& line,
                                   const std::string& tempDir, std::function<void()> help,
                                   QWidget* parent)
    : QDialog(parent), line_(line), tempDir_(tempDir) {
    setObjectName(QStringLiteral("TForm_confkavrot"));
    setWindowTitle(QStringLiteral("KAVROT"));
    auto* layout = new QVBoxLayout(this);
    auto edit = [this](const char* name, const std::string& text, int chars) {
        auto* e = new QLineEdit(Q(text), this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars);
        connect(e, &QLineEdit::textChanged, this, [this] { Changed(); });
        return e;
    };

    auto* files = new QGridLayout;
    program_ = edit("Edit_kavrotPath", form.program, 36);
    auto* pickProgram = SmallButton(this, QStringLiteral("..."), "Button_kavrotPath");
    files->addWidget(new QLabel(QStringLiteral("Programm"), this), 0, 0);
    files->addWidget(program_, 0, 1);
    auto* programButtons = new QHBoxLayout;
    programButtons->addWidget(pickProgram);
    programButtons->addStretch();
    files->addLayout(programButtons, 0, 2);
    folder_ = edit("Edit_outdir", form.folder, 36);
    auto* pickFolder = SmallButton(this, QStringLiteral("Dir..."), "Button_outdir");
    auto* tempFolder = SmallButton(this, QStringLiteral("<"), "Button_tempdir");
    tempFolder->setToolTip(QStringLiteral("TEMP-Verzeichnis"));
    files->addWidget(new QLabel(QStringLiteral("Verzeichnis"), this), 1, 0);
    files->addWidget(folder_, 1, 1);
    auto* folderButtons = new QHBoxLayout;
    folderButtons->addWidget(pickFolder);
    folderButtons->addWidget(tempFolder);
    files->addLayout(folderButtons, 1, 2);
    layout->addLayout(files);

    auto* groups = new QHBoxLayout;
    format_ =
        new RadioGroupBox(QStringLiteral("RadioGroup_outcode"), QStringLiteral("Ausgabeformat"),
                          {QStringLiteral("HP-GL Laserjet (HPL)"),
                           QStringLiteral("Postscript (PS)"), QStringLiteral("HP-GL Plotter (PLT)"),
                           QStringLiteral("HP-GL/2 (PL2)"), QStringLiteral("Aristo (ART)")},
                          this);
    interface_ = new RadioGroupBox(
        QStringLiteral("RadioGroup_d"), QStringLiteral("Schnittstelle"),
        {QStringLiteral("seriell"), QStringLiteral("parallel"), QStringLiteral("Datei")}, this);
    groups->addWidget(format_);
    groups->addWidget(interface_, 0, Qt::AlignTop);
    layout->addLayout(groups);

    auto* values = new QGridLayout;
    scale_ = edit("Edit_scale", form.scale, 8);
    fit_ = new QCheckBox(QString::fromUtf8("Maßstab anpassen ?"), this);
    fit_->setObjectName(QStringLiteral("CheckBox_scale"));
    fit_->setChecked(form.fitToSheet);
    rotate_ = new QCheckBox(QStringLiteral("Plot um 90 Grad drehen ?"), this);
    rotate_->setObjectName(QStringLiteral("CheckBox_rotate"));
    rotate_->setChecked(form.rotate);
    xShift_ = edit("Edit_xnull", form.xShift, 8);
    yShift_ = edit("Edit_ynull", form.yShift, 8);
    textWidth_ = edit("Edit_textbreitenfaktor", form.textWidthFactor, 8);
    com_ = edit("Edit_com", form.com, 4);
    lpt_ = edit("Edit_lpt", form.lpt, 4);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(new QLabel(QStringLiteral("COM"), this));
    portRow->addWidget(com_);
    portRow->addSpacing(12);
    portRow->addWidget(new QLabel(QStringLiteral("LPT"), this));
    portRow->addWidget(lpt_);
    portRow->addStretch();
    values->addWidget(new QLabel(QStringLiteral("Port"), this), 5, 0);
    values->addLayout(portRow, 5, 1, 1, 2);
    values->addWidget(new QLabel(QString::fromUtf8("Maßstab"), this), 0, 0);
    values->addWidget(scale_, 0, 1);
    values->addWidget(fit_, 0, 2);
    values->addWidget(new QLabel(QStringLiteral("Nullpunkt x"), this), 1, 0);
    values->addWidget(xShift_, 1, 1);
    values->addWidget(rotate_, 1, 2);
    values->addWidget(new QLabel(QStringLiteral("Nullpunkt y"), this), 2, 0);
    values->addWidget(yShift_, 2, 1);
    values->addWidget(new QLabel(QStringLiteral("Textbreitenfaktor"), this), 3, 0);
    values->addWidget(textWidth_, 3, 1);
    font_ = new QComboBox(this);
    font_->setObjectName(QStringLiteral("ComboBox_psfont"));
    for (const std::string& name : PlotFontNames()) font_->addItem(Q(name));
    font_->setEditable(true);
    font_->setCurrentText(form.font.empty() ? Q(PlotFontNames().front()) : Q(form.font));
    values->addWidget(new QLabel(QStringLiteral("PS-Schrift"), this), 4, 0);
    values->addWidget(font_, 4, 1, 1, 2);
    layout->addLayout(values);

    commandLine_ = new QLabel(this);
    commandLine_->setObjectName(QStringLiteral("Label_commandline"));
    commandLine_->setFrameShape(QFrame::StyledPanel);
    commandLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    commandLine_->setWordWrap(true);
    layout->addWidget(commandLine_);

    HelpRequest helpText;
    if (help) helpText = [help](bool) { help(); };
    AddOkCancelHelpRow(*this, *layout, helpText);

    format_->setIndex(form.format - 1);
    interface_->setIndex(form.interface - 1);
    // Only real changes count: clicking the chosen button again keeps the line.
    for (RadioGroupBox* box : {format_, interface_}) {
        connect(box->group(), &QButtonGroup::idToggled, this, [this](int, bool on) {
            if (on) Changed();
        });
    }
    connect(fit_, &QCheckBox::toggled, this, [this] { Changed(); });
    connect(rotate_, &QCheckBox::toggled, this, [this] { Changed(); });
    connect(font_, &QComboBox::currentTextChanged, this, [this] { Changed(); });
    // "andere Schriften": the user types the font name.
    connect(font_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        if (index != font_->count() - 1) return;
        font_->setEditText(QString());
        font_->setFocus();
    });
    connect(pickProgram, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(
            this, QStringLiteral("KAVROT"), QFileInfo(program_->text()).path(),
            QStringLiteral("KAVROT for Windows (wkavrot.exe);;KAVROT for MS-DOS (kavrot.exe);;"
                           "Alle Dateien (*)"));
        if (!file.isEmpty()) program_->setText(file);
    });
    connect(pickFolder, &QPushButton::clicked, this, [this] {
        const QString dir =
            QFileDialog::getExistingDirectory(this, QStringLiteral("Verzeichnis"), folder_->text());
        if (!dir.isEmpty()) folder_->setText(dir);
    });
    connect(tempFolder, &QPushButton::clicked, this, [this] { folder_->setText(Q(tempDir_)); });
    Update();
}

PlotConverterForm TForm_confkavrot::Form() const {
    PlotConverterForm f;
    f.program = S(program_->text());
    f.folder = S(folder_->text());
    f.format = format_->index() + 1;
    f.interface = interface_->index() + 1;
    f.com = S(com_->text());
    f.lpt = S(lpt_->text());
    f.scale = S(scale_->text());
    f.fitToSheet = fit_->isChecked();
    f.rotate = rotate_->isChecked();
    f.xShift = S(xShift_->text());
    f.yShift = S(yShift_->text());
    f.textWidthFactor = S(textWidth_->text());
    f.font = S(font_->currentText());
    return f;
}

std::string TForm_confkavrot::CommandLine() const {
    return changed_ ? PlotFormCommandLine(Form()) : line_;
}

void TForm_confkavrot::Changed() {
    changed_ = true;
    Update();
}

void TForm_confkavrot::Update() {
    const bool postScript = format_->index() + 1 == kPlotPostScript;
    font_->setEnabled(postScript);
    const int interface = interface_->index() + 1;
    com_->setEnabled(interface == kPlotSerial);
    lpt_->setEnabled(interface == kPlotParallel);
    scale_->setEnabled(!fit_->isChecked());
    commandLine_->setText(Q(CommandLine()));
}

}  // namespace zel3
