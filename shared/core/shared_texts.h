// The fixed texts of the boxes more than one program shows.
#pragma once

constexpr char kAlreadyRunningText[] =
    "Application is running!\r\rPlease find and select the running window from Taskbar.";
constexpr char kRegisterFileFailText[] = "Fail to load data from Register File!";
constexpr char kControllerNotFoundText[] = "TouchScreen Controller Not Found!";
