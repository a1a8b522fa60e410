#include "support/terminal_test.h"

#include "startup/application.h"
#include "startup/environment.h"
#include "startup/program_state.h"

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
