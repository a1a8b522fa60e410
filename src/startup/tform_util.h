// A window that is never shown; it holds the keystream generator that
// scrambles and unscrambles psw.txt.
#pragma once

#include "startup/keystream.h"

#include <QWidget>

class TForm_Util : public QWidget {
    Q_OBJECT

public:
    TForm_Util();

    Keystream keystream;
};
