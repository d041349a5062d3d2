// Control objects: each holds its whole state, so a dialog runs the same with
// or without a screen. Setters push the change to the backend; only the edit
// fires a notification on a programmatic change (change, and only when the
// text really changes).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/clock.h"
#include "fw/geometry.h"
#include "fw/resources.h"

namespace fw {

class Dialog;

// What changed, for Backend::controlChanged.
enum class Change { Text, Enabled, Visible, Checked, Items, Selection, Range, Position, Date, Bitmap, ReadOnly, Columns };

class Control {
public:
    Control(Dialog& owner, const Node& node);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int id() const { return m_id; }
    Kind kind() const { return m_kind; }
    std::uint32_t style() const { return m_style; }
    bool hasStyle(std::uint32_t bits) const { return (m_style & bits) == bits; }
    const Node& node() const { return *m_node; }
    Dialog& owner() const { return *m_owner; }

    const std::string& text() const { return m_text; }
    virtual void setText(std::string_view text);
    bool enabled() const { return m_enabled; }
    void enable(bool on = true);
    bool visible() const { return m_visible; }
    void show(bool on = true);
    // Takes the keyboard focus: enabled, visible, and of a focusable kind
    // (not static, group box or picture).
    bool canFocus() const;
    // Pixel rectangle in the client area (empty when the template has no box).
    Rect rect() const;

    // Back to the template state (each DoModal starts from it).
    virtual void reset();

    // Opaque slot for the backend's widget.
    void* backendData = nullptr;

protected:
    void changed(Change what);
    bool setTextQuiet(std::string_view text);  // no notification, pushes Text; true when it changed
    void markAccepted(bool changed);            // the program set the text (changed: check it anew)
    bool userChanging() const;                  // inside a change the user made to this control

private:
    friend class Dialog;
    // Leaving a control with the text its last kill-focus check saw runs no
    // check again: a value is checked (and noticed) once per change. The
    // accepted text is the one the program set or a check let pass; after
    // "edit again", leaving the field still holding `from` puts `to` back.
    // The program's text is the one the program last set.
    struct Revert {
        std::string from, to;
    };
    std::optional<std::string> m_checkedText;
    std::string m_accepted;
    std::string m_programText;
    std::optional<Revert> m_revert;
    Dialog* m_owner;
    const Node* m_node;
    int m_id;
    Kind m_kind;
    std::uint32_t m_style;
    std::string m_text;
    bool m_enabled = true;
    bool m_visible = true;
};

class Static : public Control {
public:
    using Control::Control;
};

class GroupBox : public Control {
public:
    using Control::Control;
};

class Picture : public Control {
public:
    Picture(Dialog& owner, const Node& node);
    int bitmap() const { return m_bitmap; }
    void setBitmap(int bitmapId);  // 0 shows nothing
    void reset() override;

private:
    int m_bitmap = 0;
};

class Edit : public Control {
public:
    using Control::Control;
    void setText(std::string_view text) override;  // fires change on a real change
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on = true);
    bool digitsOnly() const { return hasStyle(style::Digits); }
    // Text limit in code page 936 bytes, 0 = none. Typing beyond it is cut.
    std::size_t limit() const { return m_limit; }
    void setLimit(std::size_t gbkBytes) { m_limit = gbkBytes; }
    void reset() override;

private:
    friend class Dialog;
    void userText(std::string_view text);  // as typed: fires change, stays to be checked
    bool m_readOnly = false;
    std::size_t m_limit = 0;
};

// Push button, radio button, check box, bitmap button.
class Button : public Control {
public:
    Button(Dialog& owner, const Node& node);
    bool checked() const { return m_checked; }
    void setCheck(bool on);
    bool isDefault() const { return m_default; }
    void setDefault(bool on);
    // Bitmap button images (0 = none).
    struct Images {
        int up = 0, down = 0, focus = 0, disabled = 0;
    };
    const Images& images() const { return m_images; }
    void setImages(Images images);
    void reset() override;

private:
    bool m_checked = false;
    bool m_default = false;
    Images m_images;
};

class ComboBox : public Control {
public:
    ComboBox(Dialog& owner, const Node& node);
    bool editable() const { return hasStyle(style::DropDown) || hasStyle(style::Simple); }
    const std::vector<std::string>& items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    const std::string& itemText(int index) const;          // empty when out of range
    int addString(std::string_view s);                      // sorted when Sorted; returns index
    int insertString(int index, std::string_view s);        // -1 appends
    void deleteString(int index);
    void resetContent();                                    // no items, no selection, empty text
    int curSel() const { return m_sel; }
    void setCurSel(int index);                              // -1 clears; text follows
    int findStringExact(std::string_view s) const;          // -1 when none
    int selectString(std::string_view prefix);              // first item starting with it; -1 none
    // The text shown: the edit part (editable styles) or the selected item.
    void setText(std::string_view text) override;
    void reset() override;

private:
    friend class Dialog;
    bool pick(int index);                  // the selection as the user made it; true when the text changed
    bool userText(std::string_view text);  // the edit part as the user typed it; true when it changed
    std::vector<std::string> m_items;
    int m_sel = -1;
};

class ListBox : public Control {
public:
    ListBox(Dialog& owner, const Node& node);
    const std::vector<std::string>& items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    const std::string& itemText(int index) const;
    int addString(std::string_view s);
    void deleteString(int index);
    void resetContent();
    int curSel() const { return m_sel; }
    void setCurSel(int index);
    void reset() override;

private:
    std::vector<std::string> m_items;
    int m_sel = -1;
};

enum class Align { Left, Center, Right };

// Report-style list view: columns, rows of item text and sub-items.
class ListView : public Control {
public:
    using Control::Control;
    struct Column {
        std::string title;
        int width = 80;  // pixels
        Align align = Align::Left;
    };
    const std::vector<Column>& columns() const { return m_columns; }
    int insertColumn(int index, std::string_view title, Align align, int width);
    int itemCount() const { return static_cast<int>(m_rows.size()); }
    int insertItem(int index, std::string_view text);        // returns the row index
    bool setItemText(int row, int column, std::string_view text);
    const std::string& itemText(int row, int column) const;  // empty when out of range
    const std::vector<std::vector<std::string>>& rows() const { return m_rows; }
    void deleteItem(int row);
    void deleteAllItems();
    bool selected(int row) const;
    void setSelected(int row, bool on);  // several rows may be selected
    void select(int row);                // only this row (-1: none)
    int firstSelected() const;           // -1 when none
    int topIndex() const { return m_top; }
    void ensureVisible(int row);         // makes it the top row when above it
    void setTopIndex(int row);           // backend: the user scrolled
    void reset() override;

private:
    std::vector<Column> m_columns;
    std::vector<std::vector<std::string>> m_rows;
    std::vector<bool> m_selected;
    int m_top = 0;
};

// Trackbar: takes the focus like a field (click, Tab); its thumb moves with
// the mouse, the keys and assistive tools, and every move ends with the
// released notification.
class Trackbar : public Control {
public:
    using Control::Control;
    bool vertical() const { return hasStyle(style::Vertical); }
    int rangeMin() const { return m_min; }
    int rangeMax() const { return m_max; }
    void setRange(int min, int max);  // the position is clamped into it
    int pos() const { return m_pos; }
    void setPos(int pos);             // clamped; no notification
    int ticFreq() const { return m_tic; }
    void setTicFreq(int freq) { m_tic = freq; changed(Change::Range); }
    int lineSize() const { return m_line; }
    void setLineSize(int n) { m_line = n; }
    int pageSize() const { return m_page; }
    void setPageSize(int n) { m_page = n; }
    void reset() override;

private:
    int m_min = 0, m_max = 100, m_pos = 0, m_tic = 1, m_line = 1, m_page = 20;
};

class DatePicker : public Control {
public:
    using Control::Control;
    const Date& date() const { return m_date; }
    void setDate(const Date& d);  // no notification
    void reset() override;        // today

private:
    Date m_date;
};

}  // namespace fw
