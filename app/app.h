#pragma once

#include <QApplication>

// The application object. It carries the version data and nothing else.
class App : public QApplication {
    Q_OBJECT
  public:
    static constexpr const char* kShortVersion = "3.0.0";
    static constexpr const char* kLongVersion = "3.0.0";
    static constexpr const char* kPackageInfo = "2014/1/9";

    App(int& argc, char** argv);
};
