// CKavrinDoc: a calculation report; its content is the text of its first view.
#pragma once
#include "fw/app.h"

class CKavrinDoc : public fw::Document {
public:
    bool OnNewDocument() override { return fw::Document::OnNewDocument(); }
};
