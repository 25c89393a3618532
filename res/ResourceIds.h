#pragma once

// Numeric ids of dialogs and their controls.

namespace corvane::res {

// Program icon dialog and the pages of its sheet.
inline constexpr int kDialogGlobal = 351;
inline constexpr int kIdcGlobalSheetFrame = 1212;
inline constexpr int kDialogGlobalSystemPage = 139;
inline constexpr int kIdcGlobalDescription = 131;
inline constexpr int kIdcGlobalNetName = 1357;
inline constexpr int kIdcGlobalMemoryFifo = 1019;
inline constexpr int kIdcGlobalMemoryStop = 1020;
inline constexpr int kIdcGlobalMemoryContinue = 1021;
inline constexpr int kIdcGlobalSavedProgram = 1776;
inline constexpr int kIdcGlobalSavedLogger = 1777;
inline constexpr int kIdcGlobalCurrentProgram = 1778;
inline constexpr int kIdcGlobalCurrentLogger = 1779;
inline constexpr int kIdcGlobalCurrentGroup = 1780;
inline constexpr int kIdcGlobalCurrentProgramLabel = 1781;
inline constexpr int kIdcGlobalCurrentLoggerLabel = 1782;
inline constexpr int kIdcGlobalUpdateNote = 1783;
inline constexpr int kIdcGlobalUpdateVersions = 1784;
inline constexpr int kDialogGlobalLcdPage = 393;
inline constexpr int kIdcGlobalMarkerList = 1299;
inline constexpr int kIdcGlobalUpdateRate = 1901;
inline constexpr int kIdcGlobalAllowOverride = 1375;
inline constexpr int kIdcGlobalAllowErasure = 1036;
inline constexpr int kIdcGlobalSdFormatting = 1376;
inline constexpr int kIdcGlobalProbePoints = 1377;
inline constexpr int kIdcGlobalActiveMessages = 1378;
inline constexpr int kIdcGlobalSystemMessages = 1379;
inline constexpr int kIdcGlobalLockout = 1037;

// Program settings dialog.
inline constexpr int kDialogProgramSettings = 472;
inline constexpr int kIdcCardDriveLetter = 1428;
inline constexpr int kIdcCommTrace = 1441;
inline constexpr int kIdcMessageTimeout = 1189;
inline constexpr int kIdcConnectionTimeout = 1190;
inline constexpr int kIdcCardFolderBrowse = 1429;

// About box.
inline constexpr int kDialogAbout = 536;
inline constexpr int kIdcAboutVersion = 1100;
inline constexpr int kIdcAboutLegal = 1101;

// Advisory box.
inline constexpr int kDialogAdvisory = 692;
inline constexpr int kIdcAdvisoryMessage = 1924;
inline constexpr int kIdcAdvisoryFirst = 1925;
inline constexpr int kIdcAdvisorySecond = 1256;
inline constexpr int kIdcAdvisoryDontShow = 1934;

// "Network Address": an IP address and its subnet mask.
inline constexpr int kDialogIpAddressAndSubnet = 531;
inline constexpr int kIdcIpAddress = 1484;
inline constexpr int kIdcSubnetMask = 1222;
inline constexpr int kIdcNetworkAddressPicture = 1485;

// Check net dialog: the report of the net checks.
inline constexpr int kDialogCheckNet = 700;
inline constexpr int kIdcCheckNetReport = 1977;

// Net conversion dialog: the findings before a compiled file is written
// ("Accept Warnings" is the OK button).
inline constexpr int kDialogConvertNet = 694;
inline constexpr int kIdcConvertNetReport = 1944;

// Net upload dialog: the findings (1001), the progress line (1412) and the
// progress bar (1350); "Upload and Enable" is the OK button.
inline constexpr int kDialogNetUpload = 509;
inline constexpr int kIdcNetUploadErrors = 1001;
inline constexpr int kIdcNetUploadProgress = 1412;
inline constexpr int kIdcNetUploadProgressBar = 1350;
inline constexpr int kIdcNetUploadButton = 1877;

// Net download dialog: the exclamation icon shown after a failure (1480),
// the progress bar (1350) and the status text (1412); the one button is 1.
inline constexpr int kDialogNetDownload = 518;
inline constexpr int kIdcNetDownloadIcon = 1480;
inline constexpr int kIdcNetDownloadProgress = 1350;
inline constexpr int kIdcNetDownloadStatus = 1412;

// Option controls of the file dialog with options.
inline constexpr int kDialogFileOptions = 394;
inline constexpr int kIdcFileAppendLabel = 1371;
inline constexpr int kIdcFileNameDateTime = 1234;
inline constexpr int kIdcFileNameCounter = 1235;
inline constexpr int kIdcFileEraseAfter = 1219;

// Constant, remote constant and remote switch icon dialog (the icon name
// 824 and units 1059 are the icon dialog base's).
inline constexpr int kDialogConst = 313;
inline constexpr int kIdcConstRemoteNote = 1391;
inline constexpr int kIdcConstStateLabel = 1083;
inline constexpr int kIdcConstStateHigh = 1234;
inline constexpr int kIdcConstStateLow = 1235;
inline constexpr int kIdcConstValueLabel = 1081;
inline constexpr int kIdcConstValue = 1082;
inline constexpr int kIdcConstUnitsLabel = 1140;
inline constexpr int kIdcConstRetain = 1236;
inline constexpr int kIdcConstReset = 1237;
inline constexpr int kIdcConstSpecialGroup = 1174;
inline constexpr int kIdcConstFunctionGroup = 1077;

// Sample-rate clock icon dialog (the alternate input's source is 1060).
inline constexpr int kDialogSampleRateClock = 269;
inline constexpr int kIdcClockValue = 1034;
inline constexpr int kIdcClockUnit = 1050;
inline constexpr int kIdcClockAlternateLabel = 1293;
inline constexpr int kIdcClockAlternateHigh = 1294;
inline constexpr int kIdcClockAlternateRateLabel = 1295;
inline constexpr int kIdcClockAlternateValue = 1002;
inline constexpr int kIdcClockAlternateUnit = 1052;
inline constexpr int kIdcClockRateAsName = 1954;

// Stop icon dialog (the input's source is 1060).
inline constexpr int kDialogStop = 340;
inline constexpr int kIdcStopExplanation = 1324;

// Multiplexer icon dialog.
inline constexpr int kDialogMultiplexer = 296;
inline constexpr int kIdcMuxInputA = 1064;
inline constexpr int kIdcMuxSelectLow = 11066;
inline constexpr int kIdcMuxInputB = 1065;
inline constexpr int kIdcMuxSelectHigh = 11067;

// Text note icon dialog.
inline constexpr int kDialogTextNote = 316;
inline constexpr int kIdcNoteText = 1088;

// Count icon dialog (the input's source is 1060, the trigger's 1061).
inline constexpr int kDialogCount = 314;
inline constexpr int kIdcCountWhen = 1091;
inline constexpr int kIdcCountSampleCount = 1233;
inline constexpr int kIdcCountOutputText = 1081;
inline constexpr int kIdcCountInputText = 1083;
inline constexpr int kIdcCountClearOnOutput = 11062;
inline constexpr int kIdcCountClearOnEnable = 1090;
inline constexpr int kIdcCountOutputOnDisable = 1089;
inline constexpr int kIdcCountRising = 1085;
inline constexpr int kIdcCountFalling = 1088;

// Delta icon dialog (the input's source is 1060, the trigger's 11057).
inline constexpr int kDialogDelta = 291;
inline constexpr int kIdcDeltaTrigger = 11057;
inline constexpr int kIdcDeltaChange = 11061;
inline constexpr int kIdcDeltaEvery = 11062;
inline constexpr int kIdcDeltaSamples = 1063;
inline constexpr int kIdcDeltaQuietWhenDisabled = 1326;
inline constexpr int kIdcDeltaPassWhenDisabled = 1327;

// Rate of change and time integral dialogs: the rate unit group they share.
inline constexpr int kDialogRateOfChange = 302;
inline constexpr int kDialogIntegrator = 338;
inline constexpr int kIdcRateUnitText = 1317;
inline constexpr int kIdcRatePerSecond = 1145;
inline constexpr int kIdcRatePerMinute = 1146;
inline constexpr int kIdcRatePerHour = 1147;
inline constexpr int kIdcRatePerDay = 1148;
inline constexpr int kIdcRateExplanation = 1323;
inline constexpr int kIdcRateSamples = 1063;
inline constexpr int kIdcIntegratorExplanation = 1318;

// Duty cycle dialog.
inline constexpr int kDialogDutyCycle = 315;
inline constexpr int kIdcDutyQuestion = 1320;
inline constexpr int kIdcDutyHigh = 1144;
inline constexpr int kIdcDutyLow = 1052;
inline constexpr int kIdcDutyExplanation = 1321;
inline constexpr int kIdcDutyState = 1315;
inline constexpr int kIdcDutyPercent = 11057;
inline constexpr int kIdcDutyDecimal = 1053;

// Stop-watch dialog.
inline constexpr int kDialogTaccum = 317;
inline constexpr int kIdcTaccumExplanation = 1324;
inline constexpr int kIdcTaccumInputText = 1325;
inline constexpr int kIdcTaccumUnit = 1050;
inline constexpr int kIdcTaccumOnNegation = 1092;
inline constexpr int kIdcTaccumClearOnOutput = 1091;
inline constexpr int kIdcTaccumClearOnEnable = 1090;
inline constexpr int kIdcTaccumOutputOnDisable = 1089;

// Warning icon dialog: one check box per condition, the memory
// percentage edit.
inline constexpr int kDialogWarning = 336;
inline constexpr int kIdcWarningMemory = 21;
inline constexpr int kIdcWarningFallingBehind = 22;
inline constexpr int kIdcWarningPowerFailure = 23;
inline constexpr int kIdcWarningSystemReset = 24;
inline constexpr int kIdcWarningRuntimeError = 25;
inline constexpr int kIdcWarningBusError = 26;
inline constexpr int kIdcWarningLithiumLow = 27;
inline constexpr int kIdcWarningWatchdog = 28;
inline constexpr int kIdcWarningBatteryLow = 29;
inline constexpr int kIdcWarningOverloadShutdown = 30;
inline constexpr int kIdcWarningLithiumCritical = 31;
inline constexpr int kIdcWarningBatteryCritical = 32;
inline constexpr int kIdcWarningFatalError = 33;
inline constexpr int kIdcWarningDischargeShutdown = 34;
inline constexpr int kIdcWarningOvercurrent = 35;
inline constexpr int kIdcWarningPercentage = 11057;

// LCD message icon dialog (its source rows are the icon dialog base's
// 1060, 1061 and 11057, labelled 1331, 1153 and 1166).
inline constexpr int kDialogLcdText = 341;
inline constexpr int kIdcLcdInput1Label = 1331;
inline constexpr int kIdcLcdDescription = 1330;
inline constexpr int kIdcLcdPreview = 1148;
inline constexpr int kIdcLcdEditMessage = 3;

// LCD message editor.
inline constexpr int kDialogLcdMessageEntry = 346;
inline constexpr int kIdcLcdModeEdit = 1234;
inline constexpr int kIdcLcdModeNumbers = 1235;
inline constexpr int kIdcLcdModeNames = 1236;
inline constexpr int kIdcLcdMessage = 1088;
inline constexpr int kIdcLcdMessagePreview = 1148;
inline constexpr int kIdcLcdInputList = 1203;
inline constexpr int kIdcLcdFormatLow = 1158;
inline constexpr int kIdcLcdFormatHigh = 1159;
inline constexpr int kIdcLcdFormatLowLabel = 1160;
inline constexpr int kIdcLcdFormatHighLabel = 1161;
inline constexpr int kIdcLcdFormatDescription = 1330;
inline constexpr int kIdcLcdInsert = 3;

// Controls every icon configuration dialog shares.
inline constexpr int kIdcIconName = 824;
inline constexpr int kIdcIconUnits = 1059;
inline constexpr int kIdcIconInput1 = 1060;
inline constexpr int kIdcIconInput2Label = 1153;
inline constexpr int kIdcIconInput2 = 1061;
inline constexpr int kIdcIconInput3Label = 1166;
inline constexpr int kIdcIconInput3 = 11057;
inline constexpr int kIdcIconInput4Label = 1167;
inline constexpr int kIdcIconInput4 = 1064;

// Logic gate dialog.
inline constexpr int kDialogLogic = 304;
inline constexpr int kIdcLogicInputList = 1299;
inline constexpr int kIdcLogicConditionLabel = 11057;
inline constexpr int kIdcLogicCondition = 1062;
inline constexpr int kIdcLogicInvertedOutput = 1092;
inline constexpr int kIdcLogicLatch = 1093;
inline constexpr int kIdcLogicDeMorgan = 1094;

// Clocked latch dialog.
inline constexpr int kDialogLatch = 312;
inline constexpr int kIdcLatchOn = 11070;
inline constexpr int kIdcLatchOff = 11071;

// R-S flip-flop dialog.
inline constexpr int kDialogFlipFlop = 362;
inline constexpr int kIdcFlipFlopSetHigh = 1435;
inline constexpr int kIdcFlipFlopResetHigh = 1436;
inline constexpr int kIdcFlipFlopBothHigh = 1437;
inline constexpr int kIdcFlipFlopSetLow = 1438;
inline constexpr int kIdcFlipFlopResetLow = 1439;
inline constexpr int kIdcFlipFlopBothLow = 1440;
inline constexpr int kIdcFlipFlopLevel = 1487;
inline constexpr int kIdcFlipFlopEdge = 1488;
inline constexpr int kIdcFlipFlopSetVerb = 1489;
inline constexpr int kIdcFlipFlopResetVerb = 1490;

// Comparator and window comparator dialogs.
inline constexpr int kDialogComparator = 307;
inline constexpr int kDialogWinCompare = 322;
inline constexpr int kIdcComparatorSwap = 1076;
inline constexpr int kIdcComparatorCondition = 1254;
inline constexpr int kIdcComparatorLowLabel = 1150;
inline constexpr int kIdcComparatorLowCondition = 1167;
inline constexpr int kIdcComparatorClose = 1253;
inline constexpr int kIdcHysteresisCheck = 1094;
inline constexpr int kIdcHysteresisAmount = 1252;
inline constexpr int kIdcWinCompareHigh = 1234;
inline constexpr int kIdcWinCompareLow = 1235;
inline constexpr int kIdcWinCompareValueLabel = 1167;
inline constexpr int kIdcWinCompareDescription = 1346;

// Math icon dialog (the icon name 824, the units 1059 and the sources of
// inputs W, X, Y, Z in 1060, 1061, 11057, 1064 are the icon dialog base's).
inline constexpr int kDialogMath = 308;
inline constexpr int kIdcMathEquation = 1077;
inline constexpr int kIdcMathWhenW = 1234;
inline constexpr int kIdcMathWhenX = 1235;
inline constexpr int kIdcMathWhenY = 1236;
inline constexpr int kIdcMathWhenZ = 1237;
inline constexpr int kIdcMathWhenAny = 1238;
inline constexpr int kIdcMathSwap = 1076;
inline constexpr int kIdcMathGenerate = 4;
inline constexpr int kIdcMathLibrary = 5;
inline constexpr int kIdcMathSave = 6;

// Math function library and the dialog that saves or edits one function.
inline constexpr int kDialogMathLibrary = 512;
inline constexpr int kIdcMathLibraryList = 1016;
inline constexpr int kIdcMathLibraryEdit = 3;
inline constexpr int kIdcMathLibraryDelete = 1182;
inline constexpr int kDialogEditMathFunction = 516;
inline constexpr int kIdcMathFunctionEquation = 1001;
inline constexpr int kIdcMathFunctionComment = 1002;
inline constexpr int kIdcMathFunctionPicture = 1482;

// Two-point scaling dialog.
inline constexpr int kDialogEqn = 311;
inline constexpr int kIdcEqnHighSignal = 1133;
inline constexpr int kIdcEqnLowSignal = 1134;
inline constexpr int kIdcEqnHighReal = 1135;
inline constexpr int kIdcEqnLowReal = 1136;
inline constexpr int kIdcEqnCalculate = 3;
inline constexpr int kIdcEqnScale = 1061;
inline constexpr int kIdcEqnInputLabel = 1757;
inline constexpr int kIdcEqnOffset = 1062;

// Logger analog input dialog (the icon name 824 and the units 1059 are the
// icon dialog base's; the range radios reuse the ids of its input rows).
inline constexpr int kDialogEngInputs = 323;
inline constexpr int kIdcEngInputTypeGroup = 1356;
inline constexpr int kIdcEngThermocouple = 1351;
inline constexpr int kIdcEngLowVoltage = 1352;
inline constexpr int kIdcEngThermocouplePicture = 1104;
inline constexpr int kIdcEngLowVoltagePicture = 1105;
inline constexpr int kIdcEngRejectNone = 1137;
inline constexpr int kIdcEngReject50Hz = 1138;
inline constexpr int kIdcEngReject60Hz = 1139;
inline constexpr int kIdcEngSettling = 825;
inline constexpr int kIdcEngSettlingNote = 1355;
inline constexpr int kIdcEngScaling = 1353;
inline constexpr int kIdcEngEditScaling = 1113;
inline constexpr int kIdcEngCelsius = 1045;
inline constexpr int kIdcEngFahrenheit = 1044;
inline constexpr int kIdcEngUnitsLabel = 1354;
inline constexpr int kIdcEngRangeGroup = 1097;
inline constexpr int kIdcEngRange1 = 1058;
inline constexpr int kIdcEngRange2 = 1155;
inline constexpr int kIdcEngRange3 = 1060;
inline constexpr int kIdcEngRange4 = 1061;
inline constexpr int kIdcEngRange5 = 1062;
inline constexpr int kIdcEngRange6 = 1063;
inline constexpr int kIdcEngRange7 = 1064;
inline constexpr int kIdcEngAutoRange = 1788;
inline constexpr int kIdcEngExcitation = 1881;

// Scheduler icon dialog (the check boxes are ids 21..32).
inline constexpr int kDialogScheduler = 318;
inline constexpr int kIdcSchedWeekText = 3;
inline constexpr int kIdcSchedNow = 4;
inline constexpr int kIdcSchedMonthText = 5;
inline constexpr int kIdcSchedFirstBox = 21;
inline constexpr int kIdcSchedLastBox = 32;
inline constexpr int kIdcSchedEvery = 1049;
inline constexpr int kIdcSchedKind = 1050;
inline constexpr int kIdcSchedHighUnit = 1051;
inline constexpr int kIdcSchedMonthly = 1055;
inline constexpr int kIdcSchedWeekly = 1056;
inline constexpr int kIdcSchedPeriodic = 1057;
inline constexpr int kIdcSchedSuffix = 1112;
inline constexpr int kIdcSchedStartAm = 1295;
inline constexpr int kIdcSchedStartPm = 1296;
inline constexpr int kIdcSchedStopAm = 1297;
inline constexpr int kIdcSchedStopPm = 1298;
inline constexpr int kIdcSchedMaintain = 1604;
inline constexpr int kIdcSchedDoNotStop = 1605;
inline constexpr int kIdcSchedStartDate = 11013;
inline constexpr int kIdcSchedStopDate = 11014;
inline constexpr int kIdcSchedStartTime = 11015;
inline constexpr int kIdcSchedStopTime = 11016;
inline constexpr int kIdcSchedHighValue = 11057;

// Start/stop clock icon dialog.
inline constexpr int kDialogSSClock = 333;
inline constexpr int kIdcSSClockNow = 4;
inline constexpr int kIdcSSClockDelay = 825;
inline constexpr int kIdcSSClockHigh = 826;
inline constexpr int kIdcSSClockSuspend = 1053;
inline constexpr int kIdcSSClockResetOnDisable = 1119;
inline constexpr int kIdcSSClockResetOnLoggerReset = 1125;
inline constexpr int kIdcSSClockDelayed = 1234;
inline constexpr int kIdcSSClockLocal = 1235;
inline constexpr int kIdcSSClockSpanNote = 1316;
inline constexpr int kIdcSSClockDoNotStop = 1812;
inline constexpr int kIdcSSClockStartAm = 1813;
inline constexpr int kIdcSSClockStartPm = 1814;
inline constexpr int kIdcSSClockStopAm = 1815;
inline constexpr int kIdcSSClockStopPm = 1816;
inline constexpr int kIdcSSClockHighForever = 1976;
inline constexpr int kIdcSSClockStartLabel = 1820;
inline constexpr int kIdcSSClockStopLabel = 1821;
inline constexpr int kIdcSSClockDelayLabel = 1822;
inline constexpr int kIdcSSClockHighLabel = 1823;
inline constexpr int kIdcSSClockStartDate = 11013;
inline constexpr int kIdcSSClockStopDate = 11014;
inline constexpr int kIdcSSClockStartTime = 11015;
inline constexpr int kIdcSSClockStopTime = 11016;

// Periodic output icon dialog: hours, minutes, seconds and milliseconds of
// the delay, ON and OFF durations, and their spins.
inline constexpr int kDialogPeriodicOutput = 300;
inline constexpr int kIdcPeriodicDelayHours = 1125;
inline constexpr int kIdcPeriodicDelayMinutes = 11068;
inline constexpr int kIdcPeriodicDelaySeconds = 11069;
inline constexpr int kIdcPeriodicDelayMilliseconds = 1129;
inline constexpr int kIdcPeriodicOnHours = 1130;
inline constexpr int kIdcPeriodicOnMinutes = 1131;
inline constexpr int kIdcPeriodicOnSeconds = 1132;
inline constexpr int kIdcPeriodicOnMilliseconds = 1133;
inline constexpr int kIdcPeriodicOffHours = 1134;
inline constexpr int kIdcPeriodicOffMinutes = 1135;
inline constexpr int kIdcPeriodicOffSeconds = 1136;
inline constexpr int kIdcPeriodicOffMilliseconds = 1137;
inline constexpr int kIdcPeriodicDelaySpin = 1055;
inline constexpr int kIdcPeriodicOnSpin = 1056;
inline constexpr int kIdcPeriodicOffSpin = 1057;
inline constexpr int kIdcPeriodicCycles = 1063;
inline constexpr int kIdcPeriodicSuspend = 1053;
inline constexpr int kIdcPeriodicReset = 1054;

// One-shot icon dialog (the input's source is 1060).
inline constexpr int kDialogOneShot = 613;
inline constexpr int kIdcOneShotDelayUnit = 1804;
inline constexpr int kIdcOneShotRising = 1802;
inline constexpr int kIdcOneShotFalling = 1803;
inline constexpr int kIdcOneShotDelay = 1805;
inline constexpr int kIdcOneShotRetriggerDelay = 1806;
inline constexpr int kIdcOneShotDuration = 1807;
inline constexpr int kIdcOneShotRetriggerExtension = 1808;
inline constexpr int kIdcOneShotDurationUnit = 1051;

// Delay icon dialog (the input's source is 1060).
inline constexpr int kDialogDelay = 293;
inline constexpr int kIdcDelayOnValue = 11057;
inline constexpr int kIdcDelayOnUnit = 1050;
inline constexpr int kIdcDelayOnCaption = 1003;
inline constexpr int kIdcDelayOffValue = 11058;
inline constexpr int kIdcDelayOffUnit = 1052;
inline constexpr int kIdcDelayOffCaption = 1150;

// Minimum/maximum, sum and average icon dialog (the input's source is 1060).
inline constexpr int kDialogMaxMinAvgSum = 306;
inline constexpr int kIdcStatsCountRadio = 1304;
inline constexpr int kIdcStatsTriggerRadio = 1303;
inline constexpr int kIdcStatsCount = 1233;
inline constexpr int kIdcStatsTriggerSource = 11057;
inline constexpr int kIdcStatsOutputOnDisable = 21;
inline constexpr int kIdcStatsClearOnEnable = 22;
inline constexpr int kIdcStatsClearAfterOutput = 23;
inline constexpr int kIdcStatsClearAfterReset = 24;
inline constexpr int kIdcStatsIncludeDate = 1003;

// Data buffer icon dialog.
inline constexpr int kDialogDataBuffer = 539;
inline constexpr int kIdcDataBufferData = 1205;
inline constexpr int kIdcDataBufferLogic = 1062;

// Scratchpad register icon dialog.
inline constexpr int kDialogScratchPad = 566;
inline constexpr int kIdcScratchRegister = 1299;
inline constexpr int kIdcScratchRead = 1111;
inline constexpr int kIdcScratchWrite = 1112;
inline constexpr int kIdcScratchBounding = 1062;
inline constexpr int kIdcScratchRetain = 1212;
inline constexpr int kIdcScratchInitialLabel = 1571;
inline constexpr int kIdcScratchInitial = 1570;
inline constexpr int kIdcScratchBelowMin = 1573;
inline constexpr int kIdcScratchAboveMax = 1572;

// Smoothing filter icon dialog (the input's source is 1060).
inline constexpr int kDialogFilter = 319;
inline constexpr int kIdcFilterSlidingAverage = 1083;
inline constexpr int kIdcFilterLowPass = 1052;
inline constexpr int kIdcFilterValueLabel = 1063;
inline constexpr int kIdcFilterValue = 1082;
inline constexpr int kIdcFilterNote = 1333;

// Transient reject filter icon dialog (the input's source is 1060).
inline constexpr int kDialogSpike = 554;
inline constexpr int kIdcSpikeMagnitude = 1566;
inline constexpr int kIdcSpikeCount = 11057;

// Warm-up icon dialog.
inline constexpr int kDialogWarmup = 298;
inline constexpr int kIdcWarmupValue = 1003;
inline constexpr int kIdcWarmupUnit = 1050;

// Memory, Probe and MQTT icon dialog (one template, captioned per icon):
// the two tag lists, the move buttons and the MQTT rows.
inline constexpr int kDialogBigData = 597;
inline constexpr int kIdcBigDataSelected = 1611;
inline constexpr int kIdcBigDataAvailable = 1612;
inline constexpr int kIdcBigDataAdd = 1183;
inline constexpr int kIdcBigDataAddAll = 1787;
inline constexpr int kIdcBigDataRemove = 3;
inline constexpr int kIdcBigDataRemoveAll = 1256;
inline constexpr int kIdcBigDataSeriesLabel = 1613;
inline constexpr int kIdcBigDataSeries = 1614;
inline constexpr int kIdcBigDataRemainConnected = 1758;

// "Data Tag Selection", the tag picker page of the e-mail and FTP sheets.
inline constexpr int kDialogTagPicker = 156;
inline constexpr int kIdcTagPickerAvailable = 1836;
inline constexpr int kIdcTagPickerSelected = 1017;
inline constexpr int kIdcTagPickerAdd = 1183;
inline constexpr int kIdcTagPickerAddAll = 1787;
inline constexpr int kIdcTagPickerRemove = 3;
inline constexpr int kIdcTagPickerRemoveAll = 1256;

// Data Tag icon dialog (the icon name 824 and the input's source 1060 are
// the icon dialog base's): the number format of the tagged value.
inline constexpr int kDialogDataTag = 598;
inline constexpr int kIdcDataTagFormatGroup = 1174;
inline constexpr int kIdcDataTagDecimal = 1755;
inline constexpr int kIdcDataTagWhole = 1756;
inline constexpr int kIdcDataTagDecimalExample = 1348;
inline constexpr int kIdcDataTagWholeExample = 1349;
inline constexpr int kIdcDataTagDigitsLabel = 1707;
inline constexpr int kIdcDataTagDigits = 1709;

// Modbus register list icon dialog: the option tree of the net's
// addressable icons and its notes.
inline constexpr int kDialogModbusProperties = 525;
inline constexpr int kIdcModbusTree = 1474;
inline constexpr int kIdcModbusNoteIntro = 1475;
inline constexpr int kIdcModbusNoteZero = 1476;
inline constexpr int kIdcModbusNoteSteps = 1477;

// Modbus icon selection dialog (opened by nothing but its tests).
inline constexpr int kDialogSelectModbusIcons = 550;
inline constexpr int kIdcSelectModbusIconList = 1538;
inline constexpr int kIdcSelectModbusGroupList = 1539;
inline constexpr int kIdcSelectModbusButton = 1730;

// Remote Modbus register icon dialog (the icon name 824 and the units
// 1059 are the icon dialog base's).
inline constexpr int kDialogModbusServerIcon = 551;
inline constexpr int kIdcMbRtu = 1860;
inline constexpr int kIdcMbTcp = 1861;
inline constexpr int kIdcMbServerLabel = 1862;
inline constexpr int kIdcMbServer = 1863;
inline constexpr int kIdcMbPortLabel = 1864;
inline constexpr int kIdcMbPort = 1865;
inline constexpr int kIdcMbDeviceLabel = 1874;
inline constexpr int kIdcMbDevice = 1866;
inline constexpr int kIdcMbAddress = 1867;
inline constexpr int kIdcMbType = 1868;
inline constexpr int kIdcMbRead = 1869;
inline constexpr int kIdcMbWrite = 1870;
inline constexpr int kIdcMbInt16 = 1871;
inline constexpr int kIdcMbInt32 = 1872;
inline constexpr int kIdcMbDecimal = 1873;
inline constexpr int kIdcMbHighLow = 1875;
inline constexpr int kIdcMbSigned = 1876;
inline constexpr int kIdcMbUnsigned = 1877;
inline constexpr int kIdcMbBitField = 1878;
inline constexpr int kIdcMbMsbFirst = 1879;
inline constexpr int kIdcMbLsbFirst = 1880;
inline constexpr int kIdcMbWordOrderNote = 1881;
inline constexpr int kIdcMbOnTrigger = 1882;
inline constexpr int kIdcMbOnChange = 1883;
inline constexpr int kIdcMbBitStartLabel = 1884;
inline constexpr int kIdcMbBitStart = 1885;
inline constexpr int kIdcMbBitWidthLabel = 1886;
inline constexpr int kIdcMbBitWidth = 1887;
inline constexpr int kIdcMbBitMap = 1888;
inline constexpr int kIdcMbBitMapNote = 1889;
inline constexpr int kIdcMbNote = 1890;
inline constexpr int kIdcMbTest = 1891;
inline constexpr int kIdcMbSave = 1892;
inline constexpr int kIdcMbSaveAs = 1893;

// Logger digital I/O channel dialog (the units edit is the icon dialog
// base's 1059).
inline constexpr int kDialogOdio = 599;
inline constexpr int kIdcOdioEvent = 1023;
inline constexpr int kIdcOdioCounter = 1024;
inline constexpr int kIdcOdioOutput = 1529;
inline constexpr int kIdcOdioModeGroup = 1855;
inline constexpr int kIdcOdioEventPicture = 1104;
inline constexpr int kIdcOdioCounterPicture = 1105;
inline constexpr int kIdcOdioOutputPicture = 1108;
inline constexpr int kIdcOdioHighWhenHigh = 1029;
inline constexpr int kIdcOdioLowWhenHigh = 1030;
inline constexpr int kIdcOdioLogicGroup = 1581;
inline constexpr int kIdcOdioRetain = 1771;
inline constexpr int kIdcOdioClose = 1772;
inline constexpr int kIdcOdioOpen = 1773;
inline constexpr int kIdcOdioOptionsGroup = 1174;
inline constexpr int kIdcOdioOutputOnDisable = 1089;
inline constexpr int kIdcOdioClearOnEnable = 1090;
inline constexpr int kIdcOdioClearAfterOutput = 11062;
inline constexpr int kIdcOdioCountGroup = 1582;
inline constexpr int kIdcOdioPullUp = 11032;
inline constexpr int kIdcOdioUnitsLabel = 1140;
inline constexpr int kIdcOdioCounterNote = 1821;
inline constexpr int kIdcOdioRetainNote = 1775;

// General-purpose digital input dialog (the units edit is the icon dialog
// base's 1059).
inline constexpr int kDialogGpdi = 273;
inline constexpr int kIdcGpdiEvent = 1023;
inline constexpr int kIdcGpdiCounter = 1024;
inline constexpr int kIdcGpdiFrequency = 1025;
inline constexpr int kIdcGpdiEventPicture = 1104;
inline constexpr int kIdcGpdiCounterPicture = 1105;
inline constexpr int kIdcGpdiFrequencyPicture = 1108;
inline constexpr int kIdcGpdiHighWhenHigh = 1029;
inline constexpr int kIdcGpdiLowWhenHigh = 1030;
inline constexpr int kIdcGpdiLogicGroup = 1301;
inline constexpr int kIdcGpdiDebounce = 11031;
inline constexpr int kIdcGpdiPullUp = 11032;
inline constexpr int kIdcGpdiOutputOnDisable = 1089;
inline constexpr int kIdcGpdiClearOnEnable = 1090;
inline constexpr int kIdcGpdiClearAfterOutput = 11062;
inline constexpr int kIdcGpdiUnitsLabel = 1140;
inline constexpr int kIdcGpdiSpecialGroup = 1302;
inline constexpr int kIdcGpdiFrequencySlider = 1578;
inline constexpr int kIdcGpdiFrequencyValue = 1579;
inline constexpr int kIdcGpdiFrequencyLabel = 1580;
inline constexpr int kIdcGpdiDelayValue = 1581;
inline constexpr int kIdcGpdiDelayLabel = 1582;

// Logger cold-junction temperature dialog.
inline constexpr int kDialogTempBase = 289;
inline constexpr int kIdcTempBaseFahrenheit = 1044;
inline constexpr int kIdcTempBaseCelsius = 1045;

// Supply voltages dialog (only the icon name).
inline constexpr int kDialogBattIcon = 274;

// Power management dialog.
inline constexpr int kDialogPowerManagement = 542;
inline constexpr int kIdcPowerScheduled = 1524;
inline constexpr int kIdcPowerDelayLabel = 1527;
inline constexpr int kIdcPowerDelay = 1002;
inline constexpr int kIdcPowerOptionalUse = 1586;
inline constexpr int kIdcPowerExplanation = 1391;

// LED, audible alarm and relay dialogs (the input's source is 1060).
inline constexpr int kDialogEngLed = 611;
inline constexpr int kDialogEngAlarm = 612;
inline constexpr int kIdcAlarmSound = 1875;
inline constexpr int kDialogEngRelay = 335;
inline constexpr int kIdcRelayRetain = 1212;
inline constexpr int kIdcRelayOpen = 1213;
inline constexpr int kIdcRelayClose = 1214;
inline constexpr int kIdcRelayClosedWhenHigh = 1029;
inline constexpr int kIdcRelayOpenWhenHigh = 1030;

// Sensor excitation dialog (the input's source is 1060).
inline constexpr int kDialogExcite = 697;
inline constexpr int kIdcExciteOnHigh = 1952;
inline constexpr int kIdcExciteOnLow = 1953;

// Toolbars of the main frame, one per window kind.
inline constexpr int kToolbarCommWindow = 3;
inline constexpr int kToolbarProgramDevelopment = 4;
inline constexpr int kToolbarSpare = 5;
inline constexpr int kToolbarTrending = 6;
inline constexpr int kToolbarWebDesign = 277;

// Pictures of the main frame and the splash window.
inline constexpr int kBitmapSplash = 209;
inline constexpr int kBitmapStatusDisconnected = 285;
inline constexpr int kBitmapStatusConnected = 286;

// The icon palette: cell n shows kBitmapPaletteFirst + n.
inline constexpr int kBitmapPaletteFirst = 10001;
inline constexpr int kPaletteCellCount = 48;
inline constexpr int kBitmapPaletteCollapsed = 212;
inline constexpr int kBitmapPaletteEmailUnavailable = 579;
inline constexpr int kBitmapPaletteFtpUnavailable = 588;
inline constexpr int kBitmapPaletteMqttUnavailable = 589;
inline constexpr int kBitmapSampleRateClock = 10001;
inline constexpr int kBitmapMemory = 10002;
inline constexpr int kBitmapProbePoint = 10003;
inline constexpr int kBitmapMath = 10004;
inline constexpr int kBitmapComparator = 10005;
inline constexpr int kBitmapWindowComparator = 10006;
inline constexpr int kBitmapConstant = 10007;
inline constexpr int kBitmapRemoteConstant = 10008;
inline constexpr int kBitmapRemoteSwitch = 10009;
inline constexpr int kBitmapStopwatch = 10010;
inline constexpr int kBitmapStartStopClock = 10011;
inline constexpr int kBitmapEmail = 10012;
inline constexpr int kBitmapFtp = 10013;
inline constexpr int kBitmapLcdLatched = 10014;
inline constexpr int kBitmapLcdConditional = 10015;
inline constexpr int kBitmapWarning = 10016;
inline constexpr int kBitmapNot = 10017;
inline constexpr int kBitmapAnd = 10018;
inline constexpr int kBitmapOr = 10019;
inline constexpr int kBitmapXor = 10020;
inline constexpr int kBitmapFlipFlop = 10021;
inline constexpr int kBitmapMultiplexer = 10022;
inline constexpr int kBitmapTimeIntegral = 10023;
inline constexpr int kBitmapRateOfChange = 10024;
inline constexpr int kBitmapDutyCycle = 10025;
inline constexpr int kBitmapSummation = 10026;
inline constexpr int kBitmapAverage = 10027;
inline constexpr int kBitmapMinMax = 10028;
inline constexpr int kBitmapDelta = 10029;
inline constexpr int kBitmapFilter = 10030;
inline constexpr int kBitmapTimedCounter = 10031;
inline constexpr int kBitmapCountAccumulator = 10032;
inline constexpr int kBitmapStopExecution = 10033;
inline constexpr int kBitmapPeriodicOutput = 10034;
inline constexpr int kBitmapWarmup = 10035;
inline constexpr int kBitmapDelay = 10036;
inline constexpr int kBitmapLatch = 10037;
inline constexpr int kBitmapTextNote = 10038;
inline constexpr int kBitmapScheduler = 10039;
inline constexpr int kBitmapDataBuffer = 10040;
inline constexpr int kBitmapModbusRegister = 10041;
inline constexpr int kBitmapTransientFilter = 10042;
inline constexpr int kBitmapOneShot = 10043;
inline constexpr int kBitmapScratchpad = 10044;
inline constexpr int kBitmapDataTag = 10045;
inline constexpr int kBitmapMqtt = 10046;
inline constexpr int kBitmapExcitation = 10047;
inline constexpr int kBitmapModbusMap = 10048;

// Pictures icons draw in place of their palette cell's.
inline constexpr int kBitmapProgramIcon = 400;
inline constexpr int kBitmapModbusRegisterTcp = 564;
inline constexpr int kBitmapEmailNet = 636;
inline constexpr int kBitmapFtpNet = 637;
inline constexpr int kBitmapNoteBody = 12007;
inline constexpr int kBitmapOrDeMorgan = 12021;
inline constexpr int kBitmapAndDeMorgan = 12022;
inline constexpr int kBitmapNotDeMorgan = 12023;
inline constexpr int kBitmapOrInverted = 12024;
inline constexpr int kBitmapNotInverted = 12026;
inline constexpr int kBitmapNotDeMorganInverted = 12027;
inline constexpr int kBitmapOrDeMorganInverted = 12028;
inline constexpr int kBitmapAndInverted = 12029;
inline constexpr int kBitmapAndDeMorganInverted = 12030;
inline constexpr int kBitmapXorInverted = 12031;
inline constexpr int kBitmapProbeNet = 12033;
inline constexpr int kBitmapMemoryNet = 12034;
inline constexpr int kBitmapMqttNet = 12036;
inline constexpr int kBitmapPowerManagement = 10098;

// Hardware icons: the logger's own channels and functions.
inline constexpr int kBitmapSupplyVoltages = 401;
inline constexpr int kBitmapColdJunction = 403;
inline constexpr int kBitmapLoggerHighVoltage = 404;
inline constexpr int kBitmapLoggerLowVoltage = 405;
inline constexpr int kBitmapLoggerCurrent = 406;
inline constexpr int kBitmapLoggerThermocouple = 407;
inline constexpr int kBitmapRelay = 414;
inline constexpr int kBitmapAudibleAlarm = 615;
inline constexpr int kBitmapLed = 12003;
inline constexpr int kBitmapGpdiCounter = 12004;
inline constexpr int kBitmapGpdiEvent = 12005;
inline constexpr int kBitmapGpdiFrequency = 12006;
inline constexpr int kBitmapDigitalIo = 12037;
inline constexpr int kBitmapUnlatchedRelay = 12038;
// Hardware icons: channels of the analog and digital modules (the digital
// event, counter and output pictures serve the logger's digital I/O too).
inline constexpr int kBitmapModuleCurrent = 408;
inline constexpr int kBitmapModuleLowVoltage = 409;
inline constexpr int kBitmapModuleHighVoltage = 410;
inline constexpr int kBitmapModuleThermocouple = 411;
inline constexpr int kBitmapDigitalEvent = 12014;
inline constexpr int kBitmapFrequencyInput = 12015;
inline constexpr int kBitmapDigitalOutput = 12016;
inline constexpr int kBitmapFiveVoltOutput = 12017;
inline constexpr int kBitmapFrequencyOutput = 12019;
inline constexpr int kBitmapCounterInput = 12020;
inline constexpr int kBitmapDigitalEventIo = 12039;

// The Communication Window's picture.
inline constexpr int kBitmapCommLoggerConfig = 356;
inline constexpr int kBitmapCommProgramNet = 368;
inline constexpr int kBitmapCommDateTime = 372;
inline constexpr int kBitmapCommLoggerStatus = 376;
inline constexpr int kBitmapCommBackground = 643;
inline constexpr int kBitmapLinkCellular = 644;
inline constexpr int kBitmapLinkCellularOff = 645;
inline constexpr int kBitmapLinkEthernet = 646;
inline constexpr int kBitmapLinkEthernetOff = 647;
inline constexpr int kBitmapLinkUsb = 648;
inline constexpr int kBitmapLinkUsbOff = 649;
inline constexpr int kBitmapLinkWifi = 650;
inline constexpr int kBitmapLinkWifiOff = 651;
inline constexpr int kBitmapLinkSerial = 652;
inline constexpr int kBitmapLinkSerialOff = 653;
inline constexpr int kBitmapBusStripEnabled = 654;
inline constexpr int kBitmapBusStripStopped = 655;
inline constexpr int kBitmapNoLogger = 656;
inline constexpr int kBitmapLoggerCardEmpty = 658;
inline constexpr int kBitmapBusHead = 659;
inline constexpr int kBitmapBusEnd = 660;
inline constexpr int kBitmapBusSegmentEven = 661;
inline constexpr int kBitmapBusSegmentOdd = 662;
inline constexpr int kBitmapModuleAnalog = 663;
inline constexpr int kBitmapModuleDigital = 664;
inline constexpr int kBitmapModuleOther = 665;
inline constexpr int kBitmapLoggerCardPresent = 666;
inline constexpr int kBitmapLogger = 667;
inline constexpr int kBitmapEraseButton = 668;
inline constexpr int kBitmapPassword = 671;
inline constexpr int kBitmapPcCardMounted = 672;
inline constexpr int kBitmapPc = 674;
inline constexpr int kBitmapLinkSymbolNetwork = 675;
inline constexpr int kBitmapLinkSymbolUsb = 676;
inline constexpr int kBitmapLinkSymbolSerial = 677;
inline constexpr int kBitmapLinkSymbolSerialOff = 678;
inline constexpr int kBitmapEnableButtonLit = 679;
inline constexpr int kBitmapEnableButton = 680;
inline constexpr int kBitmapStopButtonLit = 681;
inline constexpr int kBitmapStopButton = 682;

// Images of dialog lists and trees, and of the page designer's object bar.
inline constexpr int kBitmapWebBarCell = 313;
inline constexpr int kBitmapWebBarTab = 419;
inline constexpr int kBitmapPermissionStates = 486;
inline constexpr int kBitmapUsbLogger = 494;
inline constexpr int kBitmapUsbLoggerInUse = 495;
inline constexpr int kBitmapConnectSerial = 496;
inline constexpr int kBitmapConnectEthernet = 498;
inline constexpr int kBitmapRemoteControlTree = 502;
inline constexpr int kBitmapProbeList = 510;
inline constexpr int kBitmapMathLibrary = 513;
inline constexpr int kBitmapMathFunctionSave = 517;
inline constexpr int kBitmapModbusMapTree = 526;
inline constexpr int kBitmapConnectCellular = 630;
inline constexpr int kBitmapConnectWifi = 635;

// The 7-channel analog module's channel dialogs: low-level voltage or
// thermocouple, current, high voltage, cold junction.
inline constexpr int kDialogVxmLowVoltage = 326;
inline constexpr int kDialogVxmCurrent = 327;
inline constexpr int kDialogVxmHighVoltage = 328;
inline constexpr int kDialogVxmColdJunction = 356;
inline constexpr int kIdcVxmRangeGroup = 1097;
inline constexpr int kIdcVxmRange1 = 1058;
inline constexpr int kIdcVxmRange2 = 1155;
inline constexpr int kIdcVxmRange3 = 1060;
inline constexpr int kIdcVxmRange4 = 1061;
inline constexpr int kIdcVxmRange5 = 1062;
inline constexpr int kIdcVxmRange6 = 1063;
inline constexpr int kIdcVxmRange7 = 1064;
inline constexpr int kIdcVxmRange8 = 1065;
inline constexpr int kIdcVxmSamplingGroup = 1130;
inline constexpr int kIdcVxmSlider = 1109;
inline constexpr int kIdcVxmSpeedEnd = 1363;
inline constexpr int kIdcVxmPrecisionEnd = 1364;
inline constexpr int kIdcVxmSpeedCaption = 1132;
inline constexpr int kIdcVxmSpeed = 1129;
inline constexpr int kIdcVxmSpeedUnit = 1366;
inline constexpr int kIdcVxmResolutionCaption = 1131;
inline constexpr int kIdcVxmResolution = 1128;
inline constexpr int kIdcVxmResolutionUnit = 1365;
inline constexpr int kIdcVxmNoiseReject = 1126;
inline constexpr int kIdcVxmExcitation = 826;
inline constexpr int kIdcVxmScaling = 1353;
inline constexpr int kIdcVxmEditScaling = 1113;
inline constexpr int kIdcVxmUnitsLabel = 1354;
inline constexpr int kIdcVxmInputTypeGroup = 1356;
inline constexpr int kIdcVxmThermocouple = 1351;
inline constexpr int kIdcVxmLowVoltage = 1352;
inline constexpr int kIdcVxmThermocouplePicture = 1104;
inline constexpr int kIdcVxmLowVoltagePicture = 1105;
inline constexpr int kIdcVxmCelsius = 1045;
inline constexpr int kIdcVxmFahrenheit = 1044;
inline constexpr int kIdcVxmTcRangeGroup = 1360;
inline constexpr int kIdcVxmTcRangeUse = 1361;
inline constexpr int kIdcVxmFullRange = 1358;
inline constexpr int kIdcVxmLimitedRange = 1359;
inline constexpr int kIdcVxmSettling = 825;       // settling time combo; settling multiplier edit
inline constexpr int kIdcVxmSettlingLabel = 1127;
inline constexpr int kIdcVxmSettlingNote = 1170;
inline constexpr int kIdcVxmExtendedSettling = 827;  // check box; the cold junction's update edit
inline constexpr int kIdcVxmAddress = 1096;
inline constexpr int kIdcVxmSamplesLabel = 1233;
inline constexpr int kIdcVxmTimeLabel = 1003;

// Digital I/O module channel dialogs (the four share their control ids).
inline constexpr int kDialogVexaEventCount = 544;
inline constexpr int kDialogVexaFreqIn = 545;
inline constexpr int kDialogVexaFreqOut = 546;
inline constexpr int kDialogVexaFiveVolt = 547;
inline constexpr int kIdcVexaEvent = 1023;
inline constexpr int kIdcVexaCounter = 1024;
inline constexpr int kIdcVexaDiscreteOutput = 1529;
inline constexpr int kIdcVexaEventPicture = 1104;
inline constexpr int kIdcVexaCounterPicture = 1105;
inline constexpr int kIdcVexaOutputPicture = 1108;
inline constexpr int kIdcVexaHighWhenHigh = 1029;
inline constexpr int kIdcVexaLowWhenHigh = 1030;
inline constexpr int kIdcVexaLogicGroup = 1581;
inline constexpr int kIdcVexaFiveVoltLogicGroup = 1301;
inline constexpr int kIdcVexaDebounce = 11031;
inline constexpr int kIdcVexaSpecialGroup = 1174;
inline constexpr int kIdcVexaFreqInSpecialGroup = 1302;
inline constexpr int kIdcVexaOutputOnDisable = 1089;
inline constexpr int kIdcVexaClearOnEnable = 1090;
inline constexpr int kIdcVexaClearAfterOutput = 11062;
inline constexpr int kIdcVexaUnitsLabel = 1140;
inline constexpr int kIdcVexaOpenCollector = 1531;
inline constexpr int kIdcVexaFrequencyOutput = 1532;
inline constexpr int kIdcVexaPullUp = 1534;
inline constexpr int kIdcVexaCyclesNote = 1584;
inline constexpr int kIdcVexaFrequencySlider = 1578;
inline constexpr int kIdcVexaFrequencyValue = 1579;
inline constexpr int kIdcVexaPeriodValue = 1581;

// User Login.
inline constexpr int kDialogUserLogin = 484;
inline constexpr int kIdcLoginUserName = 1179;
inline constexpr int kIdcLoginPassword = 1443;

// Logger Connection.
inline constexpr int kDialogConnect = 378;
inline constexpr int kIdcConnectList = 1262;
inline constexpr int kIdcConnectAdd = 1257;
inline constexpr int kIdcConnectEdit = 1256;
inline constexpr int kIdcConnectDelete = 1258;
inline constexpr int kIdcConnectNow = 1278;
inline constexpr int kIdcConnectDisconnect = 1279;
inline constexpr int kIdcConnectShowAll = 1931;

// Connection Settings (the USB logger list shares the connect list's id).
inline constexpr int kDialogConnectionSettings = 382;
inline constexpr int kIdcSettingsName = 1001;
inline constexpr int kIdcSettingsEthernet = 1285;
inline constexpr int kIdcSettingsWiFi = 1887;
inline constexpr int kIdcSettingsCellular = 1888;
inline constexpr int kIdcSettingsUsb = 1286;
inline constexpr int kIdcSettingsRs232 = 1287;
inline constexpr int kIdcSettingsAddress = 1273;
inline constexpr int kIdcSettingsAddressLabel = 1291;
inline constexpr int kIdcSettingsIpPort = 1002;
inline constexpr int kIdcSettingsIpPortLabel = 1292;
inline constexpr int kIdcSettingsComPort = 1288;
inline constexpr int kIdcSettingsComPortLabel = 1289;
inline constexpr int kIdcSettingsUsbList = 1262;
inline constexpr int kIdcSettingsOk = 1274;

// Logged-data listing: the logger's sessions downloaded over the link.
inline constexpr int kDialogDataDownload = 390;
inline constexpr int kIdcDownloadSessionList = 1033;
inline constexpr int kIdcDownloadEraseSelected = 1036;
inline constexpr int kIdcDownloadSelectAll = 1037;
inline constexpr int kIdcDownloadDeselectAll = 1038;
inline constexpr int kIdcDownloadSelected = 1039;
inline constexpr int kIdcDownloadFilter = 1040;
inline constexpr int kIdcDownloadLoggerTime = 1797;
inline constexpr int kIdcDownloadUtcTime = 1798;
inline constexpr int kIdcDownloadBothTimes = 1799;

// Filtered download of one session by points and time window.
inline constexpr int kDialogFilterDownload = 392;
inline constexpr int kIdcFilterPointList = 1016;
inline constexpr int kIdcFilterGetLogData = 1376;
inline constexpr int kIdcFilterSelectAll = 1037;
inline constexpr int kIdcFilterDeselectAll = 1038;
inline constexpr int kIdcFilterResetTimeRange = 1039;
inline constexpr int kIdcFilterStartDate = 11013;
inline constexpr int kIdcFilterStopDate = 11014;
inline constexpr int kIdcFilterStartTime = 11015;
inline constexpr int kIdcFilterStopTime = 11016;
inline constexpr int kIdcFilterStartAm = 1295;
inline constexpr int kIdcFilterStartPm = 1296;
inline constexpr int kIdcFilterStopAm = 1297;
inline constexpr int kIdcFilterStopPm = 1298;
inline constexpr int kIdcFilterStopUnknownNotice = 1411;
inline constexpr int kIdcFilterStillLoggingNotice = 1415;

// Memory-card sessions read in the PC's card reader.
inline constexpr int kDialogCardDownload = 471;
inline constexpr int kIdcCardSessionList = 1011;
inline constexpr int kIdcCardDownload = 1036;
inline constexpr int kIdcCardCancelDownload = 1256;
inline constexpr int kIdcCardEraseSelected = 1257;
inline constexpr int kIdcCardProgress = 1425;
inline constexpr int kIdcCardStatus = 1427;
inline constexpr int kIdcCardLocalTime = 1889;
inline constexpr int kIdcCardUtcTime = 1890;
inline constexpr int kIdcCardBothTimes = 1891;

// E-mail address book: the editor, the entry of a new address and the
// selection of To and From addresses.
inline constexpr int kDialogAddressBook = 347;
inline constexpr int kIdcAddressBookList = 1341;
inline constexpr int kIdcAddressBookAdd = 1183;
inline constexpr int kIdcAddressBookDelete = 1182;
inline constexpr int kDialogAddAddressToBook = 490;
inline constexpr int kIdcNewAddress = 1179;
inline constexpr int kDialogAddressSelection = 489;
inline constexpr int kIdcSelectionBookList = 1451;
inline constexpr int kIdcSelectionMessageList = 1452;
inline constexpr int kIdcSelectionAdd = 1036;
inline constexpr int kIdcSelectionRemove = 1256;

// File Specification page of the e-mail and FTP sheets.
inline constexpr int kDialogEmailAttachPage = 360;
inline constexpr int kIdcAttachAllNew = 1250;
inline constexpr int kIdcAttachLastAcquired = 1252;
inline constexpr int kIdcAttachNone = 1249;
inline constexpr int kIdcAttachCommaSeparated = 1204;
inline constexpr int kIdcAttachTabSeparated = 1205;
inline constexpr int kIdcAttachOmbrelixFormat = 1208;
inline constexpr int kIdcAttachRawData = 1209;
inline constexpr int kIdcAttachContentEach = 1841;
inline constexpr int kIdcAttachContentFirst = 1842;
inline constexpr int kIdcAttachContentNamesFirst = 1843;
inline constexpr int kIdcAttachContentNone = 1844;
inline constexpr int kIdcAttachAppendDateTime = 1004;
inline constexpr int kIdcAttachAppendSerialNumber = 1005;
inline constexpr int kIdcAttachAppendLoggerName = 1845;
inline constexpr int kIdcAttachBaseFilename = 1206;
inline constexpr int kIdcAttachDataGroup = 1384;
inline constexpr int kIdcAttachFilenameGroup = 1385;

// The e-mail icon's dialog (358) and its message page (342).
inline constexpr int kDialogEmail = 358;
inline constexpr int kIdcEmailSheetFrame = 1212;
inline constexpr int kDialogEmailMsgPage = 342;
inline constexpr int kIdcEmailTo = 1180;
inline constexpr int kIdcEmailFrom = 1181;
inline constexpr int kIdcEmailSubject = 1182;
inline constexpr int kIdcEmailAddressBook = 1179;
inline constexpr int kIdcEmailSelectTo = 1036;
inline constexpr int kIdcEmailSelectFrom = 1037;
inline constexpr int kIdcEmailModeEdit = 1234;
inline constexpr int kIdcEmailModeNumbers = 1235;
inline constexpr int kIdcEmailModeNames = 1236;
inline constexpr int kIdcEmailInputList = 1203;
inline constexpr int kIdcEmailInputLabel = 1330;
inline constexpr int kIdcEmailLowText = 1158;
inline constexpr int kIdcEmailHighText = 1159;
inline constexpr int kIdcEmailInsert = 3;
inline constexpr int kIdcEmailMessage = 1088;
inline constexpr int kIdcEmailPreview = 1148;
inline constexpr int kIdcEmailLoggerId = 1846;

// The FTP icon's dialog (361) and its destination page (343).
inline constexpr int kDialogFtp = 361;
inline constexpr int kIdcFtpSheetFrame = 1212;
inline constexpr int kDialogFtpDestPage = 343;
inline constexpr int kIdcFtpActive = 1517;
inline constexpr int kIdcFtpPassive = 1518;
inline constexpr int kIdcFtpDirectory = 1178;
inline constexpr int kIdcFtpSubdirectory = 1840;

// The logger's Modbus settings page (529).
inline constexpr int kDialogModbusPage = 529;
inline constexpr int kIdcModbusTabs = 1483;
inline constexpr int kIdcModbusAddressTree = 1474;
inline constexpr int kIdcModbusFunctionsGroup = 1502;
inline constexpr int kIdcModbusRtuMaster = 1552;
inline constexpr int kIdcModbusRtuSlave = 1554;
inline constexpr int kIdcModbusTcpClient = 1697;
inline constexpr int kIdcModbusTcpServer = 1555;
inline constexpr int kIdcModbusHighWordFirst = 1486;
inline constexpr int kIdcModbusRetry = 1801;
inline constexpr int kIdcModbusTimeout = 1189;
inline constexpr int kIdcModbusTimeoutLabel = 1556;
inline constexpr int kIdcModbusTimeoutDefault = 1557;
inline constexpr int kIdcModbusDelay = 1004;
inline constexpr int kIdcModbusDelayLabel = 1558;
inline constexpr int kIdcModbusDelayDefault = 1560;
inline constexpr int kIdcModbusTcpGroup = 1500;
inline constexpr int kIdcModbusPortLabel = 1503;
inline constexpr int kIdcModbusPort = 1001;
inline constexpr int kIdcModbusDefaultPort = 1036;
inline constexpr int kIdcModbusFilterClients = 1511;
inline constexpr int kIdcModbusUseSubnetMasks = 21;
inline constexpr int kIdcModbusSerialGroup = 1499;
inline constexpr int kIdcModbusBitRateLabel = 1504;
inline constexpr int kIdcModbusBitRate = 1299;
inline constexpr int kIdcModbusNodeAddressLabel = 1508;
inline constexpr int kIdcModbusNodeAddress = 1002;
inline constexpr int kIdcModbusParityNone1 = 1546;
inline constexpr int kIdcModbusParityNone2 = 1547;
inline constexpr int kIdcModbusParityEven = 1548;
inline constexpr int kIdcModbusParityOdd = 1549;

// "Modbus Register Access Test" (552).
inline constexpr int kDialogModbusTest = 552;
inline constexpr int kIdcModbusTestResult = 1551;
inline constexpr int kIdcModbusTestValue = 1554;
inline constexpr int kIdcModbusTestSend = 1036;

// Cursors (their own numbering: 579 is also a picture).
inline constexpr int kCursorTrigger = 137;
inline constexpr int kCursorMove = 154;
inline constexpr int kCursorSelectInput = 166;
inline constexpr int kCursorEnableInput = 167;
inline constexpr int kCursorInput = 279;
inline constexpr int kCursorOutput = 280;
inline constexpr int kCursorPaletteDrag = 465;
inline constexpr int kCursorOwnConnector = 466;
inline constexpr int kCursorConnector15 = 546;
inline constexpr int kCursorConnector16 = 544;
inline constexpr int kCursorConnector19 = 570;
inline constexpr int kCursorConnector20 = 569;
inline constexpr int kCursorInvertedOutput = 599;
inline constexpr int kCursorPlusInput = 577;
inline constexpr int kCursorMinusInput = 578;
inline constexpr int kCursorHighThreshold = 580;
inline constexpr int kCursorLowThreshold = 579;
inline constexpr int kCursorSetInput = 575;
inline constexpr int kCursorResetInput = 576;
inline constexpr int kCursorInputW = 598;
inline constexpr int kCursorInputX = 574;
inline constexpr int kCursorInputY = 573;
inline constexpr int kCursorInputZ = 597;

}  // namespace corvane::res
