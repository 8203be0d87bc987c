' Таймер с период 400 ms: кабината минава по два етажа на тик.
Dim CurrentFloor As Variant
Dim TargetFloor As Integer

Private Sub Form_Load()
    CurrentFloor = 0
    Timer1.Interval = 400
End Sub

Private Sub Option1_Click(Index As Integer)
    TargetFloor = Index
    Timer1.Enabled = True
End Sub

Private Sub Timer1_Timer()
    If CurrentFloor < TargetFloor Then CurrentFloor = CurrentFloor + 1
    If CurrentFloor = TargetFloor Then Timer1.Enabled = False
End Sub
