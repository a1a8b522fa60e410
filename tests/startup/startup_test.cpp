// Program start-up: the windows in their order, their scaling and placement,
// the exit button, the application-wide error handling and the program end.
#include "db/tform_base.h"
#include "history/tform_period.h"
#include "history/tform_status.h"
#include "order/tform_klava.h"
#include "order/tform_spisok.h"
#include "send/tform_date.h"
#include "send/tform_info.h"
#include "order/tform_main.h"
#include "order/tform_p2.h"
#include "startup/application.h"
#include "startup/design.h"
#include "startup/file_io.h"
#include "startup/forms.h"
#include "startup/program_state.h"
#include "startup/terminal_error.h"
#include "startup/tform_net.h"
#include "startup/tform_util.h"
#include "startup/tform_vhod.h"
#include "startup/tform_wait.h"
#include "support/terminal_test.h"

#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class StartUp : public TerminalTest {};

} // namespace

TEST_F(StartUp, CreatesEveryWindowOnceScaledToTheScreen)
{
    setScreen({1024, 768});
    startProgram();
    // Form_Base is created last and its connection start finds no database.
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[1].kind, Shown::Kind::Modal);
    EXPECT_EQ(ui.shown()[1].text, QStringLiteral("Form_Net"));
    ui.clear();

    const QWidget* windows[] = {Form_Main, Form_Vhod, Form_Net, Form_Util, Form_Wait, Form_Klava, Form_Spisok,
                                Form_Date, Form_Info, Form_Period, Form_Status, Form_P2, Form_Base};
    for (const QWidget* w : windows)
        ASSERT_NE(w, nullptr);
    EXPECT_TRUE(ScaleToScreen);
    EXPECT_FALSE(WideScreen);
    EXPECT_FALSE(OrderOpen);
    EXPECT_FALSE(UseFormP2);

    // 1024/900 for the order screens, 1024/800 for dialogs.
    EXPECT_EQ(Form_Main->size(), QSize(910, 660));
    EXPECT_EQ(Form_Main->pos(), QPoint(57, 0));
    EXPECT_EQ(Form_Main->Panel999->height(), 102);
    EXPECT_EQ(Form_P2->size(), QSize(910, 660));
    EXPECT_EQ(Form_Vhod->size(), QSize(252, 232));

    EXPECT_EQ(Form_Main->windowTitle(), QStringLiteral("v1.1.7"));
    EXPECT_EQ(Form_P2->windowTitle(), QStringLiteral("v1.1.7"));
    EXPECT_EQ(Form_Vhod->windowTitle(), QStringLiteral("v1.1.7"));
    EXPECT_EQ(Form_Net->windowTitle(), QStringLiteral("Настройка программы для работы в сети"));
    EXPECT_TRUE(fileExists(programFile(QStringLiteral("Net.txt"))));
    // Both local tables rewritten empty; the order and menu views open.
    EXPECT_EQ(readWholeFile(programFile(QStringLiteral("Kassa.dbf"))).size(), 194);
    EXPECT_EQ(readWholeFile(programFile(QStringLiteral("Menu.dbf"))).size(), 194);
    EXPECT_TRUE(Form_Main->TKassa.isOpen());
    EXPECT_TRUE(Form_Main->TMenu.isOpen());
    EXPECT_FALSE(Form_Main->TCount.isOpen());
    EXPECT_TRUE(ui.messages().isEmpty()) << ui.messages().join(u'\n').toStdString();
}

TEST_F(StartUp, WideScreenScalesOrderScreensByHeight)
{
    setScreen({1920, 1080});
    startProgramWithoutDatabase();
    EXPECT_TRUE(WideScreen);
    EXPECT_EQ(Form_Main->size(), QSize(1234, 895));
    EXPECT_EQ(Form_Main->pos(), QPoint(343, 0));
    EXPECT_EQ(Form_Vhod->size(), QSize(355, 326));
    EXPECT_EQ(Form_Wait->size(), QSize(896, 43));
}

TEST_F(StartUp, MainWindowKeepsItsDesignedPlaceWhenTheWindowingSystemScaledIt)
{
    setScreen({1920, 1080});
    TForm_Main window;
    window.Panel999->resize(398, 113);
    window.FormCreate();
    EXPECT_FALSE(ScaleToScreen);
    EXPECT_EQ(window.size(), QSize(800, 580));
    EXPECT_EQ(window.pos(), QPoint(317, 167));
}

TEST_F(StartUp, DialogsAreCentredOnFirstShowAndKeepTheirPlace)
{
    setScreen({1920, 1080});
    startProgramWithoutDatabase();
    Form_Vhod->show();
    EXPECT_EQ(Form_Vhod->pos(), QPoint((1920 - 355) / 2, (1080 - 326) / 2));
    Form_Vhod->move(10, 20);
    Form_Vhod->hide();
    Form_Vhod->show();
    EXPECT_EQ(Form_Vhod->pos(), QPoint(10, 20));
    Form_Vhod->hide();
}

TEST_F(StartUp, LastLoginNameIsReadFromNameTxt)
{
    writeWholeFile(programFile(QStringLiteral("Name.txt")), "\xc8\xe2\xe0\xed\r\n");
    startProgramWithoutDatabase();
    EXPECT_EQ(Form_Vhod->ELogin->text(), QStringLiteral("Иван"));
}

TEST_F(StartUp, FailedCreationStepIsShownAndTheOtherWindowsAreStillCreated)
{
    // A program folder that does not exist: the local tables cannot be
    // written, the rest of the main window's step is skipped, and the
    // connection start finds no Net.txt and ends the program.
    ASSERT_TRUE(folder.remove());
    startProgram();
    ASSERT_EQ(ui.errors().size(), 2);
    EXPECT_TRUE(ui.errors()[0].startsWith(QStringLiteral("File not found: ")) && ui.errors()[0].endsWith(QStringLiteral("Kassa.dbf")))
        << ui.errors()[0].toStdString();
    EXPECT_TRUE(ui.errors()[1].startsWith(QStringLiteral("File not found: ")) && ui.errors()[1].endsWith(QStringLiteral("Net.txt")))
        << ui.errors()[1].toStdString();
    EXPECT_NE(Form_Base, nullptr);
    EXPECT_TRUE(programEndRequested());
}

TEST_F(StartUp, ExitButton)
{
    startProgramWithoutDatabase();
    struct Case {
        bool orderOpen;
        bool confirm;
        QStringList messages;
        bool confirmationShown;
        bool ends;
    };
    const Case cases[] = {
        {true, true, {QStringLiteral("Сначала закройте или сбросте заказ !")}, false, false},
        {false, false, {}, true, false},
        {false, true, {}, true, true},
    };
    for (const Case& c : cases) {
        ui.clear();
        resetProgramEnd();
        OrderOpen = c.orderOpen;
        if (c.confirmationShown)
            ui.answerConfirmation(c.confirm);
        Form_Main->Btn_Exit->click();
        EXPECT_EQ(ui.messages(), c.messages);
        const bool confirmationShown = !ui.shown().empty() && ui.shown().back().kind == Shown::Kind::Confirmation;
        EXPECT_EQ(confirmationShown, c.confirmationShown);
        if (confirmationShown) {
            EXPECT_EQ(ui.shown().back().title, QStringLiteral("Выход из программы"));
            EXPECT_EQ(ui.shown().back().text, QStringLiteral("Вы действительно собираетесь выйти из программы ?"));
        }
        EXPECT_EQ(programEndRequested(), c.ends) << c.orderOpen << c.confirm;
    }
}

TEST_F(StartUp, ExitButtonOfTheFortyFiveTileScreenUsesTheSameHandler)
{
    startProgramWithoutDatabase();
    OrderOpen = true;
    Form_P2->Btn_Exit->click();
    EXPECT_EQ(ui.messages(), QStringList {QStringLiteral("Сначала закройте или сбросте заказ !")});
}

TEST_F(StartUp, ClosingTheFortyFiveTileScreenEndsTheProgram)
{
    startProgramWithoutDatabase();
    Form_P2->show();
    Form_P2->close();
    EXPECT_TRUE(programEndRequested());
}

TEST_F(StartUp, ExceptionFromAHandlerIsShownAndTheProgramGoesOn)
{
    startProgramWithoutDatabase();
    QPushButton button(QStringLiteral("boom"));
    int clicks = 0;
    connectHandler(&button, &QPushButton::clicked, &button, [&clicks] {
        ++clicks;
        throw TerminalError(QStringLiteral("Сервер недоступен"));
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(ui.errors(), QStringList({QStringLiteral("Сервер недоступен"), QStringLiteral("Сервер недоступен")}));
    EXPECT_FALSE(programEndRequested());
}

// An object whose own event handler fails, with no handler edge of ours
// in between: the application object is the backstop.
class FailingReceiver final : public QObject {
protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw TerminalError(QStringLiteral("Отказ обработчика"));
        return QObject::event(event);
    }
};

TEST_F(StartUp, ExceptionReachingTheApplicationObjectIsShown)
{
    startProgramWithoutDatabase();
    FailingReceiver receiver;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    EXPECT_EQ(ui.errors(), QStringList({QStringLiteral("Отказ обработчика")}));
    EXPECT_FALSE(programEndRequested());
}

TEST_F(StartUp, ClosingTheMainWindowEndsEveryNestedModalLoop)
{
    startProgramWithoutDatabase();
    Form_Main->show();
    bool innerReturned = false;
    bool outerReturned = false;
    bool timedOut = false;
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, &safety, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    safety.start(10000);
    QTimer::singleShot(0, Form_Main, [&] {
        QDialog outer;
        QTimer::singleShot(0, &outer, [&] {
            QDialog inner;
            QTimer::singleShot(0, &inner, [] { Form_Main->close(); });
            inner.exec();
            innerReturned = true;
        });
        outer.exec();
        outerReturned = true;
    });
    QCoreApplication::exec();
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(innerReturned);
    EXPECT_TRUE(outerReturned);
    EXPECT_TRUE(programEndRequested());
}

TEST(Fonts, DesignedFontsResolveToMetricCompatibleFaces)
{
    for (const char* family : {"Arial", "MS Sans Serif"}) {
        QFont font = designFont(QString::fromLatin1(family), 13);
        font.setPixelSize(13);
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans")) << family;
    }
}
