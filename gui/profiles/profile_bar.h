#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace tagforge {

// The profile bar under the formatting page: the list of profiles, in which a new name can be
// typed, and the buttons that delete and save the named profile. Names are Windows-1251.
class ProfileBar final : public QWidget {
    Q_OBJECT

  public:
    explicit ProfileBar(QWidget* parent = nullptr);

    // The name in the field, as typed or picked.
    std::string typedName() const;
    void clearTypedName();

    std::vector<std::string> listedNames() const;
    // Replaces the list; `selected` is the entry shown, -1 for none.
    void setListedNames(const std::vector<std::string>& names, int selected);
    // The listed spelling of `name`, found ignoring case; empty when it is not listed.
    std::string listedSpelling(const std::string& name) const;
    // Lists a new name in its place in the case-blind order and shows it in the field.
    void addName(const std::string& name);

    // Hands the name field to `attach`, which gives it the window's edit menu.
    void attachEditMenu(const std::function<void(QWidget*)>& attach);

  signals:
    void saveClicked();
    void deleteClicked();
    // An entry of the list was picked; typing a name does not count.
    void profilePicked();

  private:
    QComboBox* nameBox;
    QPushButton* deleteButton;
    QPushButton* saveButton;
};

}  // namespace tagforge
