// What every test of the program logic shares: a fresh recording platform
// and fresh program variables, script steps as the user would cause them,
// and comparisons of call logs that print both sides.
#ifndef TUSCHELPOST_TESTS_APP_APP_FIXTURE_H
#define TUSCHELPOST_TESTS_APP_APP_FIXTURE_H

#include "platform/recording/recording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The method list's entries of the label set this test program is built
// for.
extern const char* const ExpectedListLabels[2];

// The button captions of the two methods, the same in both label sets.
#define ENCODE_CAPTION "Verschl\xFCsseln"
#define DECODE_CAPTION "Entschl\xFCsseln"

ScriptStep CloseStep();
// Picks an entry of the method list (NoSelection: the list shows nothing);
// the list reports the selection change.
ScriptStep SelectStep(int position);
// The user replaces the input field's text; the field reports the change.
ScriptStep TypeStep(const std::string& text);
// A click on the convert button.
ScriptStep PressStep();

// The calls the program made while its loop ran, without the waits for
// events and the reads of their control numbers: what the handlers did.
std::vector<std::string> HandlerCalls();

// Compares call lines and prints both lists, readable, when they differ.
::testing::AssertionResult CallsAre(const std::vector<std::string>& got,
                                    const std::vector<std::string>& want);

// The calls of one run of OnMethodSelected for an entry, or for a list
// that shows nothing (NoSelection).
std::vector<std::string> SelectionCalls(int position);

// Joins lists of call lines.
std::vector<std::string> Joined(const std::vector<std::vector<std::string> >& parts);

// The text the result field shows.
std::string ResultShown();

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Ends one case of a table and starts the next from a fresh state.
    void StartCase();

    // Runs the program through the steps, which must end with the close
    // that ends the loop, and checks the exit code.
    void Run(const std::vector<ScriptStep>& steps);
};

#endif
