// Fixture for tests of the terminal: a fresh program folder, an injected
// screen size and the scripted interaction, with the program-wide state as
// at program start.
#pragma once

#include "startup/forms.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"

#include <QSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class TerminalTest : public ::testing::Test {
protected:
    TerminalTest();
    ~TerminalTest() override;

    // Changes the screen the windows are scaled for; call before startProgram().
    void setScreen(QSize size);
    // Creates every window in order, as the program does at start.
    void startProgram();
    // Creates the windows with no database to reach: the connection start
    // takes its failure path, and what it showed and the program end it
    // asked for are forgotten, so the test starts from the windows alone.
    void startProgramWithoutDatabase();

    QString programDir() const;
    QString programFile(const QString& name) const { return programDir() + name; }

    ScriptedInteraction ui;
    QTemporaryDir folder;
    std::unique_ptr<Forms> forms;

private:
    QSize screen_ {800, 600};
    void applyEnvironment();
};
