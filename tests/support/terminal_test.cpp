#include "support/terminal_test.h"

#include "startup/application.h"
#include "startup/environment.h"
#include "startup/file_io.h"
#include "startup/program_state.h"

#include <QFileInfo>

TerminalTest::TerminalTest()
{
    resetProgramState();
    resetProgramEnd();
    applyEnvironment();
}

TerminalTest::~TerminalTest()
{
    forms.reset();
    resetProgramEnd();
}

void TerminalTest::setScreen(QSize size)
{
    screen_ = size;
    applyEnvironment();
}

void TerminalTest::startProgram()
{
    forms = std::make_unique<Forms>();
}

void TerminalTest::startProgramWithoutDatabase()
{
    // A closed port on loopback: the connection is refused at once.
    if (!QFileInfo::exists(programFile(QStringLiteral("Net.txt"))))
        writeWholeFile(programFile(QStringLiteral("Net.txt")), "Local\r\n127.0.0.1/1:/nonexistent/devazire.fdb\r\n");
    startProgram();
    ui.clear();
    resetProgramEnd();
}

QString TerminalTest::programDir() const
{
    return folder.path() + u'/';
}

void TerminalTest::applyEnvironment()
{
    setEnvironment(Environment {programDir(), screen_, &ui});
}
