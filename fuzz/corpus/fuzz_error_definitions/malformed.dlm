0	no	tabs enough
1	a	b	c	9999	-7

/x
2	a	b	c	1