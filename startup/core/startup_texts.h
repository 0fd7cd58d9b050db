// The startup program's own title and the fixed texts of its boxes.
#pragma once

constexpr char kStartupProgramTitle[] = " TouchScreen System Startup #NX-COM";
// lblSystem's design caption; the version text is appended at load
constexpr char kStartupVersionCaption[] = "TouchScreen System Startup Version ";

constexpr char kStartupAlreadyRunningText[] =
    "Application is running!\r\rPlease find and select the running window from Taskbar.";
constexpr char kStartupRegisterFileText[] = "Fail to load data from Register File!";
constexpr char kControllerNotFoundText[] = "TouchScreen Controller Not Found!";
constexpr char kRightButtonStartFailText[] = "Fail to initialize Right Button Function!";
