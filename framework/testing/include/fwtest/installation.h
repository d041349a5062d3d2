// A private installation for one test: a fresh folder named after the test
// under $KAVRIN_TEST_TMP (else the system's temporary folder), holding
//   machine.reg     the machine registry file, pointing at home/ and home/docs
//   home/           the installation folder (xpfileloc)
//   home/data/      the data folder the calculators open and save in
//   home/docs/      the documents folder (mentloc)
// While it lives, KAVRIN_MACHINE_REGISTRY names its machine file; on
// destruction the variable is unset and the registry is read again.
//
//   class MyDialogTest : public ::testing::Test {
//   protected:
//       fwtest::Installation inst{"my_dialog"};
//   };
//   ... s.answerSave(inst.data("gear")); ...
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace fwtest {

class Installation {
public:
    // area: a folder below the temporary root that groups one program's tests.
    explicit Installation(std::string_view area);
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::filesystem::path& root() const { return m_root; }
    std::filesystem::path home() const { return m_root / "home"; }
    std::filesystem::path data() const { return home() / "data"; }
    std::filesystem::path data(std::string_view name) const { return data() / std::string(name); }
    std::filesystem::path docs() const { return home() / "docs"; }
    std::filesystem::path machineFile() const { return m_root / "machine.reg"; }
    // Replaces the machine registry file with text and reads it again.
    void writeMachine(std::string_view text) const;
    // Writes the machine file that points at home/ and docs/ again (as at the start).
    void restoreMachine() const;

private:
    std::filesystem::path m_root;
};

}  // namespace fwtest
