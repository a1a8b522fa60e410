#include "startup/forms.h"

#include "db/tform_base.h"
#include "history/tform_period.h"
#include "history/tform_status.h"
#include "order/tform_klava.h"
#include "order/tform_main.h"
#include "order/tform_p2.h"
#include "order/tform_spisok.h"
#include "send/tform_date.h"
#include "send/tform_info.h"
#include "startup/application.h"
#include "startup/tform_net.h"
#include "startup/tform_util.h"
#include "startup/tform_vhod.h"
#include "startup/tform_wait.h"

TForm_Main* Form_Main = nullptr;
TForm_Vhod* Form_Vhod = nullptr;
TForm_Net* Form_Net = nullptr;
TForm_Util* Form_Util = nullptr;
TForm_Wait* Form_Wait = nullptr;
TForm_Klava* Form_Klava = nullptr;
TForm_Spisok* Form_Spisok = nullptr;
TForm_Date* Form_Date = nullptr;
TForm_Info* Form_Info = nullptr;
TForm_Period* Form_Period = nullptr;
TForm_Status* Form_Status = nullptr;
TForm_P2* Form_P2 = nullptr;
TForm_Base* Form_Base = nullptr;

namespace {

// The instance is set before the creation step runs, so the step and
// everything it calls can reach the window through it. A failure in the
// step is shown and ends only that step.
template <typename Form>
void createForm(Form*& instance)
{
    instance = new Form;
    runReportingErrors([instance] { instance->FormCreate(); });
}

template <typename Form>
void createPlainForm(Form*& instance)
{
    instance = new Form;
}

template <typename Form>
void destroyForm(Form*& instance)
{
    delete instance;
    instance = nullptr;
}

} // namespace

Forms::Forms()
{
    createForm(Form_Main);
    createForm(Form_Vhod);
    createForm(Form_Net);
    createPlainForm(Form_Util);
    createForm(Form_Wait);
    createForm(Form_Klava);
    createForm(Form_Spisok);
    createForm(Form_Date);
    createForm(Form_Info);
    createForm(Form_Period);
    createForm(Form_Status);
    createForm(Form_P2);
    createForm(Form_Base);
}

Forms::~Forms()
{
    destroyForm(Form_Base);
    destroyForm(Form_P2);
    destroyForm(Form_Status);
    destroyForm(Form_Period);
    destroyForm(Form_Info);
    destroyForm(Form_Date);
    destroyForm(Form_Spisok);
    destroyForm(Form_Klava);
    destroyForm(Form_Wait);
    destroyForm(Form_Util);
    destroyForm(Form_Net);
    destroyForm(Form_Vhod);
    destroyForm(Form_Main);
}
