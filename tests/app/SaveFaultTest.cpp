// Every save of the App with each of its write-side file calls failed in
// turn: once that call alone, once that call and every one after it. After
// each: the App says the save failed unless the change is on disk, every data
// file is byte for byte as it was before the save or after it, the two map
// files agree (with the calls failing on, only once they work again), and the
// start-up recovery leaves the files agreeing and nothing beside them; the
// same from the folder as it stood at each call, where a kill could have
// stopped the App.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <set>

#include "accounts/AccountStore.h"
#include "app/DataRecovery.h"
#include "map/MapFiles.h"
#include "support/EditorFixture.h"
#include "support/Events.h"
#include "support/faults/FileFaults.h"

class SaveFaults;

namespace {

// A folder's files by name.
using FolderState = std::map<std::string, std::string>;

FolderState folderState(const std::string& folder) {
    FolderState state;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        state[entry.path().filename()] = readBytes(entry.path());
    return state;
}

void restoreFolder(const std::string& folder, const FolderState& state) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    for (const auto& [name, bytes] : state) writeBytes(folder + "/" + name, bytes);
}

const std::string kDataFolder = "Data";
const std::string kSpots = "cross.txt", kRoads = "route.txt", kUsers = "users.txt";

sf::Event ctrlKey(sf::Keyboard::Key key) {
    sf::Event event = keyPress(key);
    event.key.control = true;
    return event;
}

// One save as a user makes it: the steps that lead to it from a fresh start,
// the one step that saves, and what the App says when the save failed.
struct SaveStory {
    const char* name;
    std::function<void(SaveFaults&)> prepare;
    std::function<void(SaveFaults&)> save;
    std::function<bool(SaveFaults&)> saidFailed;
    enum Kind { Accounts, MapEdit, MapStep };  // a failed undo or redo leaves the tables as before
    Kind kind;
};

struct Tally {
    int tried = 0;
    int survived = 0;
};

}  // namespace

class SaveFaults : public EditorFixture {
public:
    void SetUp() override {
        EditorFixture::SetUp();
        sampleData = folderState(kDataFolder);
    }

    // A fresh start on the sample data, up to just before the save.
    void startStory(const SaveStory& story) {
        app.reset();
        restoreFolder(kDataFolder, sampleData);
        story.prepare(*this);
    }

    // The story's save with the calls failing from failAt on (0: none).
    // Returns the folder's state before each watched call.
    std::vector<FolderState> saveFailing(const SaveStory& story, int failAt, bool keepFailing) {
        std::vector<FolderState> killPoints;
        FileFaults& faults = fileFaults();
        faults = FileFaults{};
        faults.folder = kDataFolder;
        faults.failAt = failAt;
        faults.keepFailing = keepFailing;
        faults.beforeCall = [&killPoints] { killPoints.push_back(folderState(kDataFolder)); };
        story.save(*this);
        faults.folder.clear();
        faults.beforeCall = nullptr;
        return killPoints;
    }

    // Why the data files are not one of the states the user made, or empty.
    std::string wrongFiles(const FolderState& state, bool mapFilesAgree, bool onlyData) const {
        for (const std::string& name : {kSpots, kRoads, kUsers}) {
            const auto it = state.find(name);
            if (it == state.end()) return name + " is missing";
            if (it->second != before.at(name) && it->second != after.at(name)) return name + " is neither old nor new";
        }
        const auto both = [&state](const FolderState& made) {
            return state.at(kSpots) == made.at(kSpots) && state.at(kRoads) == made.at(kRoads);
        };
        if (mapFilesAgree && !both(before) && !both(after)) return "the map files disagree";
        if (onlyData && state.size() != 3) return "something is left beside the data files";
        return {};
    }

    static bool sameData(const FolderState& a, const FolderState& b) {
        for (const std::string& name : {kSpots, kRoads, kUsers})
            if (a.count(name) != b.count(name) || (a.count(name) && a.at(name) != b.at(name))) return false;
        return true;
    }

    // What the start-up recovery makes of the folder as it stands.
    std::string wrongAfterRestart(const FolderState& state) {
        TempDir scratch;
        restoreFolder(scratch.path(), state);
        recoverDataFiles(scratch.file(kSpots), scratch.file(kRoads), scratch.file(kUsers));
        return wrongFiles(folderState(scratch.path()), true, true);
    }

    // One case: the checks while the App runs, then at every kill point and
    // after a restart. Returns what went wrong, or empty.
    std::string runCase(const SaveStory& story, int failAt, bool keepFailing) {
        startStory(story);
        std::vector<FolderState> killPoints = saveFailing(story, failAt, keepFailing);
        const FolderState running = folderState(kDataFolder);
        const bool failed = story.saidFailed(*this);
        std::string wrong = wrongFiles(running, !keepFailing, false);
        if (wrong.empty() && !failed && !sameData(running, after)) wrong = "a save reported done is not on disk";
        if (wrong.empty() && story.kind != SaveStory::Accounts) {
            const bool reverted = story.kind == SaveStory::MapStep && failed;
            const FolderState& tables = reverted ? before : after;
            if (mapFileText(probe().map.spotTable) != tables.at(kSpots) ||
                mapFileText(probe().map.roadTable) != tables.at(kRoads))
                wrong = reverted ? "a failed step changed the map in memory" : "the change is not kept in memory";
        }
        app.reset();
        killPoints.push_back(running);
        for (const FolderState& state : killPoints) {
            if (!wrong.empty()) break;
            if (!checkedKillPoints.insert(state).second) continue;
            const std::string restarted = wrongAfterRestart(state);
            if (!restarted.empty()) wrong = "killed at a call, then started: " + restarted;
        }
        if (wrong.empty()) {
            recoverDataFiles(kSpotsFile, kRoadsFile, kUsersFile);
            const FolderState restarted = folderState(kDataFolder);
            wrong = wrongFiles(restarted, true, true);
            if (wrong.empty() && !failed && !sameData(restarted, after)) wrong = "a save reported done is lost at the restart";
        }
        return wrong;
    }

    // The saves, each from a fresh start.
    static std::vector<SaveStory> stories();
    static void clickCentre(SaveFaults& t, const sf::RectangleShape& shape, bool mapView);
    static bool statusSaysSaveFailed(SaveFaults& t);
    static void deleteSpot20(SaveFaults& t);

    FolderState sampleData, before, after;
    // The kill points of the story under way whose restart was checked.
    std::set<FolderState> checkedKillPoints;
};

void SaveFaults::clickCentre(SaveFaults& t, const sf::RectangleShape& shape, bool mapView) {
    const sf::FloatRect r = shape.getGlobalBounds();
    const sf::Vector2f centre(r.left + r.width / 2, r.top + r.height / 2);
    t.click(mapView ? t.mapPixel(centre) : t.interfacePixel(centre));
}

bool SaveFaults::statusSaysSaveFailed(SaveFaults& t) {
    const StatusMessage& status = t.probe().editor.status;
    return status.visible && status.text.getString() == L"保存失败";
}

void SaveFaults::deleteSpot20(SaveFaults& t) {
    t.startAsAdmin();
    t.openDrawingPanel();
    t.clickToggle(t.probe().editor.drawing.remove);
    t.click(t.spotPixel(20));  // a spot with two roads: the later roads are renumbered
}

std::vector<SaveStory> SaveFaults::stories() {
    return {
    {"registration",
     [](SaveFaults& t) {
         AppProbe a = t.startApp();
         t.click(t.mapPixel(a.login.userName.box.getPosition()));
         t.typeText(L"新用户");
         t.click(t.mapPixel(a.login.password.box.getPosition()));
         t.typeText(L"pw1");
     },
     [](SaveFaults& t) { t.click(t.mapPixel(t.probe().login.registerButton.getPosition())); },
     [](SaveFaults& t) { return t.probe().login.message.getString() != L"注册成功"; }, SaveStory::Accounts},
    {"user-data table",
     [](SaveFaults& t) {
         AppProbe a = t.startAsAdmin();
         clickCentre(t, a.toolButtons.userData.rect, false);
         const UserTableRow& row = a.userTable.rows[a.userTable.store.accountCount];
         clickCentre(t, row.name.box, true);
         t.typeText(L"新人");
         clickCentre(t, row.password.box, true);
         t.typeText(L"pw");
     },
     [](SaveFaults& t) {
         const sf::FloatRect r = t.probe().userTable.saveButton.getGlobalBounds();
         t.click(t.mapPixel({r.left + r.width / 2, r.top + r.height / 2}));
     },
     [](SaveFaults& t) { return t.probe().userTable.message.getString() != L"保存成功"; }, SaveStory::Accounts},
    {"spot placed",
     [](SaveFaults& t) {
         t.startAsAdmin();
         t.openDrawingPanel();
         t.clickToggle(t.probe().editor.drawing.placeSpot);
     },
     [](SaveFaults& t) { t.click(kEmptyMapPixel); }, statusSaysSaveFailed, SaveStory::MapEdit},
    {"road drawn",
     [](SaveFaults& t) {
         t.startAsAdmin();
         t.openDrawingPanel();
         t.clickToggle(t.probe().editor.drawing.drawRoad);
         t.click(t.spotPixel(1));
     },
     [](SaveFaults& t) { t.click(t.spotPixel(8)); }, statusSaysSaveFailed, SaveStory::MapEdit},
    {"spot deleted",
     [](SaveFaults& t) {
         t.startAsAdmin();
         t.openDrawingPanel();
         t.clickToggle(t.probe().editor.drawing.remove);
     },
     [](SaveFaults& t) { t.click(t.spotPixel(20)); }, statusSaysSaveFailed, SaveStory::MapEdit},
    {"property confirmed",
     [](SaveFaults& t) {
         t.startAsAdmin();
         t.editSpot(7);
         t.retype(kPlaceFirstInput, L"120");
     },
     [](SaveFaults& t) { t.clickButton(t.probe().editor.property.confirmButton); }, statusSaysSaveFailed,
     SaveStory::MapEdit},
    {"undo", deleteSpot20, [](SaveFaults& t) { t.send(ctrlKey(sf::Keyboard::Z)); }, statusSaysSaveFailed,
     SaveStory::MapStep},
    {"redo",
     [](SaveFaults& t) {
         deleteSpot20(t);
         t.send(ctrlKey(sf::Keyboard::Z));
     },
     [](SaveFaults& t) { t.send(ctrlKey(sf::Keyboard::Y)); }, statusSaysSaveFailed, SaveStory::MapStep},
    };
}

TEST_F(SaveFaults, EveryFailingCallOfEverySaveLeavesTheDataAsBeforeOrAfterIt) {
    Tally total;
    int killPoints = 0;
    for (const SaveStory& story : stories()) {
        SCOPED_TRACE(story.name);
        checkedKillPoints.clear();
        // The run without faults: the states before and after, and the calls.
        startStory(story);
        before = folderState(kDataFolder);
        saveFailing(story, 0, false);
        after = folderState(kDataFolder);
        const std::vector<std::string> calls = fileFaults().log;
        ASSERT_FALSE(story.saidFailed(*this));
        ASSERT_NE(before, after);
        ASSERT_FALSE(calls.empty());

        Tally tally[2];
        for (const bool keepFailing : {false, true}) {
            for (int n = 1; n <= static_cast<int>(calls.size()); ++n) {
                const std::string wrong = runCase(story, n, keepFailing);
                ++tally[keepFailing].tried;
                if (wrong.empty()) ++tally[keepFailing].survived;
                else ADD_FAILURE() << "call " << n << " (" << calls[n - 1] << ") failing"
                                   << (keepFailing ? " on" : "") << ": " << wrong;
            }
        }
        std::cout << "[ faults   ] " << story.name << ": " << calls.size() << " calls; failing alone "
                  << tally[0].survived << " of " << tally[0].tried << " survived, failing on " << tally[1].survived
                  << " of " << tally[1].tried << std::endl;
        killPoints += static_cast<int>(checkedKillPoints.size());
        for (const Tally& t : tally) {
            total.tried += t.tried;
            total.survived += t.survived;
        }
    }
    std::cout << "[ faults   ] " << total.survived << " of " << total.tried << " failing calls survived, "
              << killPoints << " kill points restarted" << std::endl;
}
