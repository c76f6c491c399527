// Status definitions of the Serrat K90 positioner, one data line per device status, 0 to 79.
// Fields, TAB-separated: status number, name, kind, group, mask class, priority.
// Mask class: 0 not listed, 1 and 2 listed, 3 listed when port 2 and friction are served.
// Priority: below 27 green, 27 to 53 yellow, 54 and above red; the device reports the
// active status with the highest priority (on equal priorities, the lower number).
0	Initializing Mode	Mode	Device	2	20
1	Factory Reset State - Calibrate.	State	Device	2	75
2	Digital Command Mode	Mode	Command	2	10
3	Squawk Mode On/Off	Mode	Device	2	12
4	Jog Command State - Control locally	State	Command	2	22
5	Signature In Progress Mode	Mode	Diagnostic	2	18
6	Unused	Unused	None	0	0
7	Unused	Unused	None	0	0
8	Position Deviation Alarm	Alarm	Control	1	54
9	Soft Stop Upper Limit Alert	Alert	Control	1	30
10	Soft Stop Lower Limit Alert	Alert	Control	1	29
11	Position Upper Limit Alert	Alert	Control	1	32
12	Position Lower Limit Alert	Alert	Control	1	31
13	MPC Active Mode	Mode	Control	2	14
14	Local Interface Disabled/Enabled	Mode	Device	2	8
15	Error History Reset Alert	Alert	Device	1	27
16	Actuation Ratio Warning	Warning	Actuator	1	40
17	Pneumatic Inability to Fail Safe Warning	Warning	Actuator	1	50
18	Friction High Warning	Warning	Valve	3	42
19	Friction Low Warning	Warning	Valve	3	41
20	Friction High Alarm	Alarm	Valve	3	56
21	Friction Low Alarm	Alarm	Valve	3	55
22	Valve Cycles Limit Alert	Alert	Valve	1	33
23	Valve Travel Limit Alert	Alert	Valve	1	34
24	Stroke Calibration Mode	Mode	Calibration	2	24
25	Command Loop Calibration Mode	Mode	Calibration	2	23
26	Pressure Calibration Mode	Mode	Calibration	2	25
27	Analog Output Calibration Mode	Mode	Calibration	2	21
28	Set Inner Loop Offset Mode	Mode	Calibration	2	26
29	Unused	Unused	None	0	0
30	Unused	Unused	None	0	0
31	Unused	Unused	None	0	0
32	Circuit Board Temperature High Warning	Warning	Electronics	1	44
33	Circuit Board Temperature Low Warning	Warning	Electronics	1	43
34	Shunt Voltage Reference Alarm	Alarm	Electronics	1	70
35	Piezo Voltage Alarm	Alarm	Electronics	1	71
36	Watch Dog Time Out Alarm	Alarm	Electronics	1	72
37	Non-Volatile RAM Checksum Alarm	Alarm	Electronics	1	74
38	Unused	Unused	None	0	0
39	Electronic Inability to Fail Safe Warning	Warning	Electronics	1	53
40	Supply Pressure Low Alarm	Alarm	Pressure	1	65
41	Supply Pressure High Warning	Warning	Pressure	1	46
42	Supply Pressure Low Warning	Warning	Pressure	1	47
43	Pressure Port 1 Out Of Range Warning	Warning	Pressure	1	38
44	Pressure Port 2 Out Of Range Warning	Warning	Pressure	3	37
45	Pressure Port 1 Range Small Warning	Warning	Pressure	1	36
46	Pressure Port 2 Range Small Warning	Warning	Pressure	3	35
47	Pneumatic Leak Warning	Warning	Actuator	1	48
48	Pilot Relay Response Warning	Warning	Positioner	1	45
49	Pilot Relay Response Alarm	Alarm	Positioner	1	60
50	Pilot Cycles Limit Alert	Alert	Positioner	1	28
51	Pilot Travel Limit Alert	Alert	Positioner	1	39
52	Hall Sensor Upper Position Alarm	Alarm	Positioner	1	62
53	Hall Sensor Lower Position Alarm	Alarm	Positioner	1	61
54	Unused	Unused	None	0	0
55	Unused	Unused	None	0	0
56	Feedback Range Too Small Alarm	Alarm	Feedback	1	66
57	0% Position Out Of Range Alarm	Alarm	Feedback	1	67
58	100% Position Out Of Range Alarm	Alarm	Feedback	1	68
59	Feedback No Motion Time Out Alarm	Alarm	Feedback	1	63
60	Feedback Non-Settle Time Out Alarm	Alarm	Feedback	1	64
61	Inner Loop Offset Time Out Alarm	Alarm	Feedback	1	69
62	Jog Calibration State	State	Calibration	2	19
63	Unused	Unused	None	0	0
64	Command Loop Range Too Small Warning	Warning	Command	1	49
65	Command Loop 100% Signal Out Of Range Warning	Warning	Command	1	51
66	Command Loop 0% Signal Out Of Range Warning	Warning	Command	1	52
67	Analog Output Range Too Small Warning	Warning	Output	1	30
68	Unused	Unused	None	0	0
69	Unused	Unused	None	0	0
70	Unused	Unused	None	0	0
71	Unused	Unused	None	0	0
72	Pressure Sensor Board Present/Absent	Information	Device	2	4
73	Analog Output Board Present/Absent	Information	Device	2	3
74	Pressure Control Locked/Inactive	Information	Device	2	6
75	Feedback Pot Rotation Reversed/Normal	Information	Device	2	5
76	Unused	Unused	None	0	0
77	Unused	Unused	None	0	0
78	Unused	Unused	None	0	0
79	Unused	Unused	None	0	0
