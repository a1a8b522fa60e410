// Pictures of the buttons of the order screens and the dialogs, painted in
// code so that each one has exactly the size its button was laid out for.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

enum class ButtonPicture {
    Kassa,         // send the order
    KassaDisabled, // the same, greyed, while sending is not possible
    Print,         // print the order
    Status,        // status of the orders
    Info,          // note on the order
    Down,          // next order row
    Up,            // previous order row
    Menu,          // list of the goods not on the tiles
    Cancel,        // reset the order
    Exit,          // quit the program
    Ok,            // green check mark of the dialogs' OK buttons
    CancelCross,   // red cross of the dialogs' Cancel buttons
    DeleteLeft,    // delete key of the keypad
    KeypadOk,      // tall OK key of the keypad
    OpenFolder,    // pick a file
    Connection,    // connection settings
    Key,           // system password
    Defaults,      // restore the default settings
};

// Size the picture is drawn at; buttons use it as their icon size.
QSize buttonPictureSize(ButtonPicture which);

// The picture on a transparent background, at buttonPictureSize().
QPixmap buttonPicture(ButtonPicture which);

// The picture as an icon; Kassa carries its own greyed picture for the
// disabled state, the others leave that to the style.
QIcon buttonIcon(ButtonPicture which);
