// The single instance of every window class. Each lives from start to the
// end of the program; windows are hidden and shown, never created again.
#pragma once

class TForm_Main;
class TForm_Vhod;
class TForm_Net;
class TForm_Util;
class TForm_Wait;
class TForm_Klava;
class TForm_Spisok;
class TForm_Date;
class TForm_Info;
class TForm_Period;
class TForm_Status;
class TForm_P2;
class TForm_Base;

extern TForm_Main* Form_Main;
extern TForm_Vhod* Form_Vhod;
extern TForm_Net* Form_Net;
extern TForm_Util* Form_Util;
extern TForm_Wait* Form_Wait;
extern TForm_Klava* Form_Klava;
extern TForm_Spisok* Form_Spisok;
extern TForm_Date* Form_Date;
extern TForm_Info* Form_Info;
extern TForm_Period* Form_Period;
extern TForm_Status* Form_Status;
extern TForm_P2* Form_P2;
extern TForm_Base* Form_Base;

// Owns the windows. Creating it creates every window in the fixed order and
// runs each creation step as soon as that window exists, so every window
// created earlier is already there; the last step, that of Form_Base,
// connects to the database and runs the login. Destroying it destroys the
// windows and clears the instances.
class Forms {
public:
    Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;
    ~Forms();
};
