// comment only
