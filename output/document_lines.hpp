#pragma once
// The fixed lines of the search list document. A {name} stands for a value inserted
// when the line is written: {info} the information page, {program} the site program
// name, {site} the site link, {input} the input file path, {words} the search words.
#include <array>
#include <string_view>

namespace zemlar::document {

inline constexpr std::array<std::string_view, 38> kHeadLines = {
    R"(<!DOCTYPE HTML=HTML PUBLIC=PUBLIC "-//W3C//DTD HTML 4.0 TRANSITIONAL//EN"="-//W3C//DTD HTML 4.0 Transitional//EN">)",
    "<html>",
    "<head>",
    "<br>",
    R"(<meta HTTP-EQUIV="content-type" CONTENT="text/html; charset= UTF-8">)",
    "<br>",
    "<br>",
    "</head>",
    "<body>",
    "<body>",
    "<br> <b> PROMOTE YOUR BRAND WITH OUR PROGRAM </b>",
    "<br>",
    "<br>",
    "<br> This space is reserved for your advertising message and web links.",
    "<br> The advertising message is limited to 10 lines or 500 characters.",
    "<br> The program is tailored individually for each client.",
    "<br>",
    R"(<br> More info: <a href="{info}">{info}</a>)",
    "<br>",
    "<br>",
    "<br>",
    "<b> ZEMLAR</b>",
    "<br>",
    "This document was created using program: {program}",
    "<br>",
    "<br>",
    "Useful link :",
    "<br>",
    R"(<a href="{site}">{site}</a>)",
    "<br>",
    "<br>",
    "INPUT DATA",
    "<br>",
    "input file: {input}",
    "<br>",
    "Keywords included in Google search string: <b>{words}</b>",
    "<pre>",
    R"(<p style="font-family:Arial; font-size:100%;">)",
};

inline constexpr std::array<std::string_view, 5> kClosingLines = {
    "<br>", "</p>", "</body>", "<br>", "</html>",
};

}  // namespace zemlar::document
