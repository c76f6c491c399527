// Status definitions of the Serrat K40 positioner, one data line per device status, 0 to 79.
// Fields, TAB-separated: status number, name, kind, group, mask class, priority.
// Mask class: 0 not listed, 1 and 2 listed, 3 listed when port 2 and friction are served.
// Priority: below 27 green, 27 to 53 yellow, 54 and above red; the device reports the
// active status with the highest priority (on equal priorities, the lower number).
0	Initializing Mode	Mode	Device	2	20
1	Factory Reset State - Calibrate.	State	Device	2	26
2	Digital Command Mode	Mode	Command	2	10
3	Squawk Mode On/Off	Mode	Device	2	8
4	Jog Command State - Control locally	State	Command	2	12
5	Signature In Progress Mode	Mode	Diagnostic	2	15
6	Unused	Unused	None	0	0
7	Unused	Unused	None	0	0
8	Position Deviation Alarm	Alarm	Control	1	70
9	Soft Stop Upper Limit Alert	Alert	Control	1	30
10	Soft Stop Lower Limit Alert	Alert	Control	1	30
11	Position Upper Limit Alert	Alert	Control	1	32
12	Position Lower Limit Alert	Alert	Control	1	32
13	MPC Active Mode	Mode	Control	2	9
14	Local Interface Disabled/Enabled	Mode	Device	2	7
15	Error History Reset Alert	Alert	Device	1	28
16	Actuation Ratio Warning	Warning	Actuator	1	40
17	Pneumatic Inability to Fail Safe Warning	Warning	Actuator	1	50
18	Friction High Warning	Warning	Valve	3	42
19	Friction Low Warning	Warning	Valve	3	41
20	Friction High Alarm	Alarm	Valve	3	64
21	Friction Low Alarm	Alarm	Valve	3	63
22	Valve Cycles Limit Alert	Alert	Valve	1	34
23	Valve Travel Limit Alert	Alert	Valve	1	34
24	Stroke Calibration Mode	Mode	Calibration	2	18
25	Command Loop Calibration Mode	Mode	Calibration	2	18
26	Pressure Calibration Mode	Mode	Calibration	2	18
27	Analog Output Calibration Mode	Mode	Calibration	2	18
28	Set Inner Loop Offset Mode	Mode	Calibration	2	18
29	Unused	Unused	None	0	0
30	Unused	Unused	None	0	0
31	Unused	Unused	None	0	0
32	Circuit Board Temperature High Warning	Warning	Electronics	1	44
33	Circuit Board Temperature Low Warning	Warning	Electronics	1	44
34	Shunt Voltage Reference Alarm	Alarm	Electronics	1	80
35	Piezo Voltage Alarm	Alarm	Electronics	1	80
36	Watch Dog Time Out Alarm	Alarm	Electronics	1	85
37	Non-Volatile RAM Checksum Alarm	Alarm	Electronics	1	85
38	Unused	Unused	None	0	0
39	Electronic Inability to Fail Safe Warning	Warning	Electronics	1	50
40	Supply Pressure Low Alarm	Alarm	Pressure	1	75
41	Supply Pressure High Warning	Warning	Pressure	1	45
42	Supply Pressure Low Warning	Warning	Pressure	1	46
43	Pressure Port 1 Out Of Range Warning	Warning	Pressure	1	43
44	Supply Port Out Of Range Warning	Warning	Pressure	3	43
45	Pressure Port 1 Range Small Warning	Warning	Pressure	1	38
46	Pressure Port 2 Range Small Warning	Warning	Pressure	3	38
47	Pneumatic Leak Warning	Warning	Actuator	1	47
48	Pilot Relay Response Warning	Warning	Positioner	1	48
49	Pilot Relay Response Alarm	Alarm	Positioner	1	66
50	Pilot Cycles Limit Alert	Alert	Positioner	1	33
51	Pilot Travel Limit Alert	Alert	Positioner	1	33
52	Hall Sensor Upper Position Alarm	Alarm	Positioner	1	72
53	Hall Sensor Lower Position Alarm	Alarm	Positioner	1	72
54	Unused	Unused	None	0	0
55	Unused	Unused	None	0	0
56	Feedback Range Too Small Alarm	Alarm	Feedback	1	68
57	0% Position Out Of Range Alarm	Alarm	Feedback	1	68
58	100% Position Out Of Range Alarm	Alarm	Feedback	1	68
59	Feedback No Motion Time Out Alarm	Alarm	Feedback	1	69
60	Feedback Non-Settle Time Out Alarm	Alarm	Feedback	1	69
61	Inner Loop Offset Time Out Alarm	Alarm	Feedback	1	69
62	Jog Calibration State	State	Calibration	2	17
63	Unused	Unused	None	0	0
64	Command Loop Range Too Small Warning	Warning	Command	1	36
65	Command Loop 100% Signal Out Of Range Warning	Warning	Command	1	37
66	Command Loop 0% Signal Out Of Range Warning	Warning	Command	1	37
67	Analog Output Range Too Small Warning	Warning	Output	1	36
68	Unused	Unused	None	0	0
69	Unused	Unused	None	0	0
70	Unused	Unused	None	0	0
71	Unused	Unused	None	0	0
72	Pressure Sensor Board Present/Absent	Information	Device	2	2
73	Analog Output Board Present/Absent	Information	Device	2	2
74	Pressure Control Locked/Inactive	Information	Device	2	3
75	Feedback Pot Rotation Reversed/Normal	Information	Device	2	3
76	Unused	Unused	None	0	0
77	Unused	Unused	None	0	0
78	Unused	Unused	None	0	0
79	Unused	Unused	None	0	0
