// Every window's table, checked for the slips a designer can make and the forms runtime cannot
// repair: a name given twice, a container that is missing or comes later, two default or cancel
// buttons, one access key for two controls, a control placed outside its container.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "controlpanel/forms/frm_accuracy.h"
#include "controlpanel/forms/frm_calibration.h"
#include "controlpanel/forms/frm_com_x_set.h"
#include "controlpanel/forms/frm_feedback_sound.h"
#include "controlpanel/forms/frm_main.h"
#include "controlpanel/forms/frm_mcu_info.h"
#include "controlpanel/forms/frm_mouse_speed.h"
#include "controlpanel/forms/frm_serial_port.h"
#include "controlpanel/forms/frm_sleep_time.h"
#include "controlpanel/forms/frm_support.h"
#include "controlpanel/forms/frm_test.h"
#include "controlpanel/forms/frm_virtual_button.h"
#include "mnemonic.h"
#include "rbtool/forms/frm_right_button.h"
#include "removal/forms/frm_removal.h"
#include "shared/forms/frm_about.h"
#include "shared/forms/frm_message.h"
#include "startup/forms/frm_auto_scan.h"
#include "startup/forms/frm_main.h"

namespace {

std::vector<FormSpec> EveryTable() {
    return {MainFormSpec(),
            AccuracyFormSpec(),
            CalibrationFormSpec(),
            ComXSetFormSpec(),
            FeedbackSoundFormSpec(),
            MouseSpeedFormSpec(),
            SerialPortFormSpec(),
            SleepTimeFormSpec(),
            TestFormSpec(),
            VirtualButtonFormSpec(),
            McuInfoFormSpec(),
            SupportFormSpec(),
            AboutFormSpec(),
            StartupMainFormSpec(),
            AutoScanFormSpec(),
            RemovalFormSpec(),
            kMessageForm,
            kRightButtonForm};
}

std::string NameOf(const ControlSpec& control) {
    return control.index < 0
               ? control.name
               : std::string(control.name) + "(" + std::to_string(control.index) + ")";
}

bool Pressable(Kind kind) {
    return kind == Kind::Button || kind == Kind::Option || kind == Kind::Check;
}

const ControlSpec* Find(const FormSpec& form, const std::string& name) {
    for (const ControlSpec& control : form.controls)
        if (control.name == name) return &control;
    return nullptr;
}

}  // namespace

TEST(FormTables, EachNameIsOneControlOrOneArrayOfDistinctIndexes) {
    for (const FormSpec& form : EveryTable()) {
        SCOPED_TRACE(form.name);
        std::map<std::string, std::vector<int>> indexes;
        for (const ControlSpec& control : form.controls)
            indexes[control.name].push_back(control.index);
        for (auto& [name, list] : indexes) {
            std::sort(list.begin(), list.end());
            EXPECT_TRUE(std::adjacent_find(list.begin(), list.end()) == list.end())
                << name << " is given twice with one index";
            EXPECT_TRUE(list.size() == 1 || list.front() >= 0)
                << name << " is both a single control and an array";
        }
    }
}

TEST(FormTables, ContainersAreFramesOrPicturesListedBeforeWhatTheyHold) {
    for (const FormSpec& form : EveryTable()) {
        SCOPED_TRACE(form.name);
        for (size_t i = 0; i < form.controls.size(); ++i) {
            const ControlSpec& control = form.controls[i];
            if (!control.container) continue;
            const ControlSpec* container = Find(form, control.container);
            if (!container) {
                ADD_FAILURE() << NameOf(control) << " is in " << control.container
                              << ", which the table lacks";
                continue;
            }
            EXPECT_TRUE(container->kind == Kind::Frame || container->kind == Kind::Picture)
                << NameOf(control) << " is in " << control.container << ", which holds nothing";
            EXPECT_LT(container - form.controls.data(), std::ptrdiff_t(i))
                << control.container << " must come before " << NameOf(control);
        }
    }
}

TEST(FormTables, AtMostOneDefaultAndOneCancelButtonAndOnlyButtons) {
    for (const FormSpec& form : EveryTable()) {
        SCOPED_TRACE(form.name);
        for (ControlFlag flag : {DefaultButton, CancelButton}) {
            int count = 0;
            for (const ControlSpec& control : form.controls) {
                if (!control.has(flag)) continue;
                ++count;
                EXPECT_EQ(control.kind, Kind::Button) << NameOf(control);
            }
            EXPECT_LE(count, 1) << (flag == DefaultButton ? "default" : "cancel") << " buttons";
        }
    }
}

// Alt+letter reaches the controls a user can see; those designed invisible are never shown.
TEST(FormTables, AccessKeysAreUniqueAmongTheControlsAUserCanReach) {
    for (const FormSpec& form : EveryTable()) {
        SCOPED_TRACE(form.name);
        std::map<char, std::string> owner;
        for (const ControlSpec& control : form.controls) {
            char key = AccessKeyOf(control.caption ? control.caption : "");
            if (!key || !Pressable(control.kind) || control.has(Hidden)) continue;
            auto [at, added] = owner.emplace(key, NameOf(control));
            EXPECT_TRUE(added) << "Alt+" << key << " is both " << at->second << " and "
                               << NameOf(control);
        }
    }
}

TEST(FormTables, EveryControlLiesInsideItsContainer) {
    for (const FormSpec& form : EveryTable()) {
        SCOPED_TRACE(form.name);
        for (const ControlSpec& control : form.controls) {
            if (control.kind == Kind::Timer) continue;
            const ControlSpec* container =
                control.container ? Find(form, control.container) : nullptr;
            int32_t width = container ? container->rect.width : form.clientWidth;
            int32_t height = container ? container->rect.height : form.clientHeight;
            const TwipsRect& r = control.rect;
            // a line runs from (left, top) by its width and height, which may be negative
            int32_t left = std::min(r.left, r.left + r.width),
                    right = std::max(r.left, r.left + r.width);
            int32_t top = std::min(r.top, r.top + r.height),
                    bottom = std::max(r.top, r.top + r.height);
            EXPECT_TRUE(left >= 0 && top >= 0 && right <= width && bottom <= height)
                << NameOf(control) << " at " << r.left << ", " << r.top << ", " << r.width << " x "
                << r.height << " leaves " << (container ? container->name : form.name) << " ("
                << width << " x " << height << ")";
        }
    }
}
