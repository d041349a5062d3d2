// What the single-gear and the pair measurement dialogs share: the data-file
// dialogs, the refusal box, the result format and the coefficient lists
// shown from a loaded record.
#pragma once
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

#include "fw/fw.h"

namespace measurement {

// A refusal in an exclamation box.
void refuse(const std::string& text);
// A result value with `digits` decimals.
std::string fixed(double v, int digits = 4);

// The save dialog of a measurement data file, opened at the last data file
// (or the data folder); the chosen path, or nothing on cancel.
std::optional<std::filesystem::path> askSavePath(fw::Window* parent, const std::string& lastDataPath);
// The open dialog of a measurement data file in the data folder.
std::optional<std::filesystem::path> askOpenPath(fw::Window* parent);
// A loader's refusal: an old file is a notice, anything else an exclamation.
void showLoadRefusal(const std::string& error);

// A coefficient list shows the entry equal to `v` when there is one,
// otherwise the text "%.2f"; `shown` takes what the list shows.
void selectCoefficient(fw::ComboBox& c, double v, std::initializer_list<double> entries, std::string& shown);

}  // namespace measurement
