// The settings dialog's controls to and from the plain form values.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

#include "config/settings_dialog.h"
#include "graphics/canvas.h"
#include "util/qt_text.h"

namespace zel3 {

namespace {
std::string S(const QLineEdit* e) {
    return zel3::S(e->text());
}
}  // namespace

void SettingsDialog::showBackground() {
    const Rgb c = RgbFromStored(backgroundColor_);
    QPalette p = background_->palette();
    p.setColor(QPalette::Window, QColor(c.r, c.g, c.b));
    background_->setPalette(p);
}

void SettingsDialog::Fill(const SettingsForm& f) {
    dirDbf_->setText(Q(f.dirDbf));
    dirPlt_->setText(Q(f.dirPlt));
    dirTemp_->setText(Q(f.dirTemp));
    dirData_->setText(Q(f.dirData));
    dirCad_->setText(Q(f.dirCad));
    dirExe_->setText(Q(f.dirExe));
    dirEdi_->setText(Q(f.dirEdi));

    screenGraphics_->setIndex(f.screenGraphics);
    x_->setText(Q(f.x));
    y_->setText(Q(f.y));
    font_->setText(Q(f.font));
    graphicsFontStyle_ = f.fontStyle;
    textWidth_->setText(Q(f.textWidthFactor));
    textHeight_->setText(Q(f.textHeightFactor));
    backgroundColor_ = f.backgroundColor;
    showBackground();
    zoom_->setText(Q(f.zoomFactor));
    pan_->setText(Q(f.panFactor));
    border_->setChecked(f.border);
    picturePrintLook_->setChecked(f.picturePrintLook);
    pictureDpi_->setValue(f.pictureDpi);
    printBorder_->setChecked(f.border);
    windowScale_->setValue(f.dialogWindowScale);
    contentScale_->setValue(f.dialogContentScale);
    edit3d_->setChecked(f.edit3d);
    for (int i = 0; i < 3; ++i) angle3d_[i]->setText(Q(f.angle3d[i]));

    for (int row = 0; row < 5; ++row) {
        const LayerRow& l = f.layers[static_cast<size_t>(row)];
        layers_->item(row, 0)->setText(Q(l.name));
        setGridColor(layers_, row, l.color);
        layers_->item(row, 2)->setText(Q(l.thickness));
    }
    for (int row = 0; row < 16; ++row) {
        const LayerRow& l = f.colorLayers[static_cast<size_t>(row)];
        setGridColor(colors_, row, l.color);
        colors_->item(row, 1)->setText(Q(l.thickness));
    }
    layerMono_->setChecked(f.layerMonochrome);
    cadFont_->setText(Q(f.cadFont));
    cadTextWidth_->setText(Q(f.cadTextWidth));
    cadTextAngle_->setText(Q(f.cadTextAngle));
    diagramLimits_->setChecked(f.diagramLimits);
    release_->setText(Q(f.releaseText));
    decimalsDxf_->setValue(f.decimalsDxf);
    cadTextType_->setIndex(f.cadTextType);

    printScale_->setText(Q(f.printScale));
    printScaleY_->setText(Q(f.printScaleY));
    printX_->setText(Q(f.printXOrigin));
    printY_->setText(Q(f.printYOrigin));
    printMono_->setIndex(f.printMono);
    orientation_->setIndex(f.orientation);
    printerDialog_->setChecked(f.printerDialog);
    lpt_->setIndex(f.lpt);

    separator_->setIndex(f.separatorLines);
    linesPerPage_->setValue(f.linesPerPage);
    spaceLines_->setValue(f.spaceLines);
    dateCode_->setIndex(f.dateCode);
    textDevice_->setCurrentIndex(f.textDevice);
    textDeviceDialog_->setChecked(f.textDeviceDialog);
    reportToClipboard_->setChecked(f.reportToClipboard);
    printFontName_ = Q(f.printFont);
    printFontPointSize_ = f.printFontSize;
    printFontStyleBits_ = f.printFontStyle;
    showFontLabels();
    left_->setText(Q(f.left));
    top_->setText(Q(f.top));
    width_->setText(Q(f.width));
    height_->setText(Q(f.height));
    unit_->setIndex(f.unit);
    header_->setIndex(f.header);
    angleFormat_->setIndex(f.angleFormat);

    helpLevel_->setIndex(f.helpLevel);
    userAtStart_->setChecked(f.userAtStart);
    decimalSign_->setIndex(f.decimalSign);
    excelSign_->setIndex(f.excelSign);
    decimals_->setValue(f.decimals);
    archive_->setChecked(f.archiveMode);
    specialChars_->setIndex(f.specialChars);
    resultView_->setIndex(f.resultView);
    calculationMethod_->setIndex(f.calculationMethod);
    for (int i = 0; i < 5; ++i) kavrot_->item(i)->setText(Q(f.kavrot[static_cast<size_t>(i)]));
    kavrot_->setCurrentRow(0);

    textProgram_->setText(Q(f.textProgram));
    htmlBrowser_->setText(Q(f.htmlBrowser));

    changeIndex_->setIndex(f.changeIndex);
    sizeFactor_->setText(Q(f.sizeFactor));
    makerTitle_->setChecked(f.makerTitle);
    fileName_->setChecked(f.fileName);
    date_->setChecked(f.date);
    logo_->setChecked(f.logo);
}

SettingsForm SettingsDialog::Form() const {
    SettingsForm f;
    f.dirDbf = S(dirDbf_);
    f.dirPlt = S(dirPlt_);
    f.dirTemp = S(dirTemp_);
    f.dirData = S(dirData_);
    f.dirCad = S(dirCad_);
    f.dirExe = S(dirExe_);
    f.dirEdi = S(dirEdi_);

    f.screenGraphics = screenGraphics_->index();
    f.x = S(x_);
    f.y = S(y_);
    f.font = S(font_);
    f.fontStyle = graphicsFontStyle_;
    f.textWidthFactor = S(textWidth_);
    f.textHeightFactor = S(textHeight_);
    f.backgroundColor = backgroundColor_;
    f.zoomFactor = S(zoom_);
    f.panFactor = S(pan_);
    f.border = border_->isChecked();
    f.picturePrintLook = picturePrintLook_->isChecked();
    f.pictureDpi = pictureDpi_->value();
    f.dialogWindowScale = windowScale_->value();
    f.dialogContentScale = contentScale_->value();
    f.edit3d = edit3d_->isChecked();
    for (int i = 0; i < 3; ++i) f.angle3d[i] = S(angle3d_[i]);

    for (int row = 0; row < 5; ++row) {
        LayerRow& l = f.layers[static_cast<size_t>(row)];
        l.name = S(layers_->item(row, 0)->text());
        l.color = layers_->item(row, 1)->data(Qt::UserRole).toInt();
        l.thickness = S(layers_->item(row, 2)->text());
    }
    for (int row = 0; row < 16; ++row) {
        LayerRow& l = f.colorLayers[static_cast<size_t>(row)];
        l.color = colors_->item(row, 0)->data(Qt::UserRole).toInt();
        l.thickness = S(colors_->item(row, 1)->text());
    }
    f.layerMonochrome = layerMono_->isChecked();
    f.cadFont = S(cadFont_);
    f.cadTextWidth = S(cadTextWidth_);
    f.cadTextAngle = S(cadTextAngle_);
    f.diagramLimits = diagramLimits_->isChecked();
    f.releaseText = S(release_);
    f.decimalsDxf = decimalsDxf_->value();
    f.cadTextType = cadTextType_->index();

    f.printScale = S(printScale_);
    f.printScaleY = S(printScaleY_);
    f.printXOrigin = S(printX_);
    f.printYOrigin = S(printY_);
    f.printMono = printMono_->index();
    f.orientation = orientation_->index();
    f.printerDialog = printerDialog_->isChecked();
    f.lpt = lpt_->index();

    f.separatorLines = separator_->index();
    f.linesPerPage = linesPerPage_->value();
    f.spaceLines = spaceLines_->value();
    f.dateCode = dateCode_->index();
    f.textDevice = textDevice_->currentIndex();
    f.textDeviceDialog = textDeviceDialog_->isChecked();
    f.reportToClipboard = reportToClipboard_->isChecked();
    f.printFont = S(printFontName_);
    f.printFontSize = printFontPointSize_;
    f.printFontStyle = printFontStyleBits_;
    f.left = S(left_);
    f.top = S(top_);
    f.width = S(width_);
    f.height = S(height_);
    f.unit = unit_->index();
    f.header = header_->index();
    f.angleFormat = angleFormat_->index();

    f.helpLevel = helpLevel_->index();
    f.userAtStart = userAtStart_->isChecked();
    f.decimalSign = decimalSign_->index();
    f.excelSign = excelSign_->index();
    f.decimals = decimals_->value();
    f.archiveMode = archive_->isChecked();
    f.specialChars = specialChars_->index();
    f.resultView = resultView_->index();
    f.calculationMethod = calculationMethod_->index();
    for (int i = 0; i < 5; ++i) f.kavrot[static_cast<size_t>(i)] = S(kavrot_->item(i)->text());

    f.textProgram = S(textProgram_);
    f.htmlBrowser = S(htmlBrowser_);

    f.changeIndex = changeIndex_->index();
    f.sizeFactor = S(sizeFactor_);
    f.makerTitle = makerTitle_->isChecked();
    f.fileName = fileName_->isChecked();
    f.date = date_->isChecked();
    f.logo = logo_->isChecked();
    return f;
}

}  // namespace zel3
