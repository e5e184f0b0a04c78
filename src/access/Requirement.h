#pragma once

// Which part of a rights string a command needs before it may run.
enum class Requirement {
    None, // not checked
    Students, // character 1
    Teachers, // character 2
    Wages, // character 3
    System, // character 4
    Super, // the whole string "1111"
};
