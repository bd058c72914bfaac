#pragma once
#include "params/field_declaration.h"

// The declaration of every parameter block (field_declaration.h), one function each,
// made on first use and kept for the run.

// generator_declarations.cpp
const BlockDeclaration& circleDeclaration();     // CircleParams
const BlockDeclaration& rectangleDeclaration();  // RectangleParams
const BlockDeclaration& polygonDeclaration();    // PolygonParams
const BlockDeclaration& vectorDeclaration();     // VectorParams

// filter_declarations.cpp
const BlockDeclaration& noiseDeclaration();     // NoiseParams
const BlockDeclaration& sharpenDeclaration();   // SharpenParams
const BlockDeclaration& seamlessDeclaration();  // SeamlessOptions, kept in the program's settings

// exchange_declarations.cpp
const BlockDeclaration& pngCompressionDeclaration();  // PngCompression, kept in the program's settings

// compositing_declarations.cpp
const BlockDeclaration& tagDeclaration();        // TagParams
const BlockDeclaration& circleMixDeclaration();  // CircleMixParams
const BlockDeclaration& tagInsertDeclaration();  // TagInsertParams

// shell_declarations.cpp
const BlockDeclaration& paintSettingsDeclaration();  // PaintSettings: the mix range, the blend color, the flags
const BlockDeclaration& configurationDeclaration();  // ConfigParams
const BlockDeclaration& newPictureDeclaration();     // NewPictureParams

// Every declaration above, for the configuration file and the checks of the tests.
const std::vector<const BlockDeclaration*>& allDeclarations();
