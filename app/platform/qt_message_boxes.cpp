// Maps the game's buttons and icons onto QMessageBox.
#include "platform/qt_message_boxes.h"

#include <QMessageBox>
#include <QString>

#include "platform/library_text.h"

namespace kestrins {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoDefaultNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::RetryDiscardCancel:
            return QMessageBox::Retry | QMessageBox::Discard | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

MessageAnswer QtMessageBoxes::Show(const std::string& text, const std::string& title,
                                   MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(ToQt(icon), QString::fromStdString(title), QString::fromStdString(text),
                    ToQt(buttons), parent_);
    // Texts carry names and paths, which are never markup.
    box.setTextFormat(Qt::PlainText);
    // Qt takes No for Escape and the close box by itself; Enter takes Yes unless told.
    if (buttons == MessageButtons::YesNoDefaultNo) {
        box.setDefaultButton(QMessageBox::No);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Retry:
            return MessageAnswer::Retry;
        case QMessageBox::Discard:
            return MessageAnswer::Discard;
        default:
            break;
    }
    // The close box of a box with Cancel means Cancel; of an OK box, OK.
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void ShowLibraryMessage(const char* caption, const char* text) {
    QtMessageBoxes().Show(TranslateLibraryText(text).toStdString(),
                          TranslateLibraryCaption(caption).toStdString(), MessageButtons::Ok,
                          LibraryMessageIcon(text));
}

}  // namespace kestrins
