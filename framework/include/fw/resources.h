// Resources of one deliverable: dialog templates written in C++ as data,
// strings, bitmaps, menus, accelerators, toolbar.
#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fw/geometry.h"
#include "fw/ids.h"

namespace fw {

// What a template node is. Row and Column only arrange their children.
enum class Kind {
    Static, GroupBox, Picture, Edit, PushButton, BitmapButton, RadioButton, CheckBox,
    ComboBox, ListBox, ListView, Trackbar, DatePicker,
    Row, Column
};

// Style bits of a template node (combine with |).
namespace style {
inline constexpr std::uint32_t ReadOnly = 1u << 0;     // edit
inline constexpr std::uint32_t Digits = 1u << 1;       // edit takes digits only
inline constexpr std::uint32_t Multiline = 1u << 2;    // edit, static
inline constexpr std::uint32_t Center = 1u << 3;       // static, edit text centred
inline constexpr std::uint32_t Right = 1u << 4;        // static, edit text right-aligned
inline constexpr std::uint32_t Sunken = 1u << 5;       // static
inline constexpr std::uint32_t Border = 1u << 6;       // static, edit
inline constexpr std::uint32_t Default = 1u << 7;      // push button is the default button
inline constexpr std::uint32_t DropList = 1u << 8;     // combo: list only (the default)
inline constexpr std::uint32_t DropDown = 1u << 9;     // combo: editable with list
inline constexpr std::uint32_t Simple = 1u << 10;      // combo: list always shown
inline constexpr std::uint32_t Sorted = 1u << 11;      // combo, list box
inline constexpr std::uint32_t Vertical = 1u << 12;    // trackbar
inline constexpr std::uint32_t NoTicks = 1u << 13;     // trackbar
inline constexpr std::uint32_t TopLeft = 1u << 14;     // trackbar thumb points up (horz) / left (vert)
inline constexpr std::uint32_t ShowSelAlways = 1u << 15;  // list view, list box
inline constexpr std::uint32_t Group = 1u << 16;       // first radio of a group
inline constexpr std::uint32_t Disabled = 1u << 17;    // starts disabled
inline constexpr std::uint32_t Hidden = 1u << 18;      // starts hidden
inline constexpr std::uint32_t Password = 1u << 19;    // edit
inline constexpr std::uint32_t NoTabStop = 1u << 20;   // never takes the focus by Tab
inline constexpr std::uint32_t Subscript = 1u << 21;   // static: the subscript of the symbol before its field
}  // namespace style

// One node of a dialog template: a control, or a row/column/group of nodes.
struct Node {
    Kind kind = Kind::Static;
    int id = IDC_STATIC;
    std::string text{};               // caption, label, initial edit text
    std::uint32_t style = 0;
    std::vector<std::string> items{}; // initial combo / list box items
    int bitmap = 0;                   // picture, bitmap button: bitmap id
    std::optional<Box> box{};         // absolute box in dialog units, when fixed
    std::vector<Node> children{};     // Row, Column, GroupBox
    std::string name{};               // what assistive tools call it, where its place does not say

    Node at(int x, int y, int w, int h) const;  // copy placed at a box
    Node with(std::uint32_t moreStyle) const;    // copy with more style bits
    // Copy with the name a control is known by (read aloud, and in front of
    // its refusals) where neither its label nor its button tells it apart.
    Node named(std::string accessibleName) const;
};

// Builders, so templates read as a tree.
Node label(std::string text, int id = IDC_STATIC, std::uint32_t style = 0);
// The subscript of a symbol: in "symbol = [field] subscript" it is shown
// right after the symbol ("m = [2] n" reads "mn = [2]").
Node subscript(std::string text, int id = IDC_STATIC);
Node edit(int id, std::uint32_t style = 0, std::string text = {});
Node button(int id, std::string text, std::uint32_t style = 0);
Node defButton(int id, std::string text);
Node bitmapButton(int id, int bitmap, std::uint32_t style = 0);
Node radio(int id, std::string text, std::uint32_t style = 0);
Node check(int id, std::string text, std::uint32_t style = 0);
Node combo(int id, std::vector<std::string> items = {}, std::uint32_t style = style::DropList);
Node listBox(int id, std::vector<std::string> items = {}, std::uint32_t style = 0);
Node listView(int id, std::uint32_t style = 0);
Node trackbar(int id, std::uint32_t style = 0);
Node datePicker(int id, std::uint32_t style = 0);
Node picture(int id, int bitmap, std::uint32_t style = 0);
Node group(int id, std::string caption, std::vector<Node> children);
Node row(std::vector<Node> children);
Node column(std::vector<Node> children);
// "label field unit" on one row: the label is the field's buddy.
Node field(std::string labelText, int editId, std::string unit = {}, std::uint32_t editStyle = 0);

// A static that is the subscript of the symbol before its field: marked with
// style::Subscript, or a short token of ASCII letters, digits and '*' that is
// no unit ("n" of mn, "a0" of da0).
bool isSubscript(const Node& n);

// A framed static the program writes its hints into (a sunken or bordered
// static with an id, multi-line or laid out): shown as a text box that wraps
// and scrolls, so a long hint never changes the dialog's size.
bool isTextPane(const Node& n);

struct DialogTemplate {
    int id = 0;
    std::string caption{};        // dialog caption, or a page's tab title
    Font font{};
    std::optional<Size> size{};   // client size in dialog units, when fixed
    std::vector<Node> body{};
};

// A template from its id, caption and body; a property page is a template
// whose caption is its tab title.
DialogTemplate dialog(int id, std::string caption, std::vector<Node> body);
inline DialogTemplate page(int id, std::string tabTitle, std::vector<Node> body) {
    return dialog(id, std::move(tabTitle), std::move(body));
}

// A bitmap resource: generated RGBA pixels (row-major, 4 bytes a pixel) or an
// image file the backend loads. The model needs only the size.
struct Bitmap {
    int id = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba{};
    std::filesystem::path file{};
};

struct MenuItem {
    int command = 0;              // 0 with empty text: separator
    std::string text{};           // "&File\tCtrl+O" style
    std::vector<MenuItem> children{};
};
struct Menu {
    int id = 0;
    std::vector<MenuItem> items{};
};
struct Accelerator {
    int command = 0;
    std::string key{};            // "Ctrl+N", "F1"
};
struct AcceleratorTable {
    int id = 0;
    std::vector<Accelerator> keys{};
};
struct Toolbar {
    int id = 0;
    int bitmap = 0;               // strip of button images, one per non-zero command
    std::vector<int> commands{};  // 0 = separator
};

// The resources of one deliverable ("kavrin", "corvane", "pellun", "belmar",
// "sirrow", "tarv"). Ids repeat across modules, so every lookup names one.
// Each deliverable fills its module in one function (no static registration).
class Module {
public:
    explicit Module(std::string name);
    const std::string& name() const { return m_name; }

    void addDialog(DialogTemplate t);            // replaces one with the same id
    const DialogTemplate* dialog(int id) const;  // nullptr when missing
    std::vector<int> dialogIds() const;          // ascending

    void addString(int id, std::string text);
    const std::string& string(int id) const;     // empty when missing
    bool hasString(int id) const;

    void addBitmap(Bitmap b);
    const Bitmap* bitmap(int id) const;
    std::vector<int> bitmapIds() const;

    void addMenu(Menu m);
    const Menu* menu(int id) const;
    void addAccelerators(AcceleratorTable t);
    const AcceleratorTable* accelerators(int id) const;
    void addToolbar(Toolbar t);
    const Toolbar* toolbar(int id) const;

private:
    std::string m_name;
    std::map<int, DialogTemplate> m_dialogs;
    std::map<int, std::string> m_strings;
    std::map<int, Bitmap> m_bitmaps;
    std::map<int, Menu> m_menus;
    std::map<int, AcceleratorTable> m_accels;
    std::map<int, Toolbar> m_toolbars;
};

}  // namespace fw
