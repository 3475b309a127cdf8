#pragma once
// The "Shredder" page: the file shredder and the scheduled folder shredder.

#include <string>

#include "ui/Controls.h"

namespace cw {

struct ShredderControls {
    ui::Frame fraFileList{"fraFileList", "File List"};
    ui::ListBox lstFiles{"lstFiles"};
    ui::Button cmdFileBrowse{"cmdFileBrowse", "Browse..."};
    ui::Button cmdShredClear{"cmdShredClear", "Clear"};

    ui::Frame fraControls{"fraControls", "Controls"};
    ui::Label lblSecurityLevel{"lblSecurityLevel", "Security level"};
    ui::ComboBox cmbOver{"cmbOver", ui::ComboStyle::DropDownList};
    ui::Button cmdShredDelete{"cmdShredDelete", "Delete"};

    ui::Frame fraSelectedFile{"fraSelectedFile", "Selected FileName"};
    ui::TextBox txtFileName{"txtFileName"};

    ui::Frame fraStatus{"fraStatus", "Status"};
    ui::ProgressBar pb1{"pb1"};  // the shredding's progress
    ui::Label lFC{"lFC"};        // how many files the list holds
    ui::Label lStat{"lStat"};    // what the shredder is doing

    // The hint picture: its tooltip tells how to use the page.
    ui::Image Image8{"Image8",
                     "To add a file to the list simply drag and drop it! Then press delete file "
                     "and File Shredder overwrites the file then deletes it so its "
                     "unrecoverable"};
};

struct ScheduledShredderControls {
    ui::Frame fraShredFolder{"fraShredFolder", "Scheduled Shredder"};
    ui::Label lblAboutShredTimer{"lblAboutShredTimer",
                                 "Select a folder which you would like to shred files frequently."};
    ui::TextBox txtShredFolder{"txtShredFolder"};
    ui::Button cmdShredBrowse{"cmdShredBrowse", "Browse..."};
    ui::Button cmdShredBlank{"cmdShredBlank", "Clear"};
    ui::Label lblHour{"lblHour", "Hour"};
    ui::ComboBox cmbHour{"cmbHour"};
    ui::Label lblMinute{"lblMinute", "Minutes"};
    ui::ComboBox cmbMinute{"cmbMinute"};
    ui::Button cmdSet{"cmdSet", "Set"};
    ui::Timer timShredFolder{"timShredFolder", 60000, true};

    ScheduledShredderControls() {
        for (int h = 0; h <= 24; ++h)
            cmbHour.AddItem(std::to_string(h));
        for (int m = 0; m <= 50; m += 10)
            cmbMinute.AddItem(std::to_string(m));
    }
};

}  // namespace cw
