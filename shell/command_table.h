// The calculator command table of the report view: one explicit, grouped
// list (id, prompt, class, deliverable, how it runs).
#pragma once
#include <vector>

class CKavrinView;

enum class RunAs { ModalReport, ModalTool, GeometrySheet, Wizard, HelpDocument, UpdateCheck };

struct CalculatorCommand {
    int id;
    const char* prompt;        // status-bar line, then the tool-tip after "\n"
    const char* className;
    const char* deliverable;
    RunAs runAs;
    bool available;            // false: the placeholder box until the calculator lands
    void (*run)(CKavrinView&);
};

const std::vector<CalculatorCommand>& commandTable();
const CalculatorCommand* findCommand(int id);
