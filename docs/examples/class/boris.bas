' Борис, 8 клас

Dim CurrentFloor As Variant
Dim TargetFloor As Integer

Private Sub Form_Load()
    CurrentFloor = 0
    TargetFloor = 0
    Timer1.Enabled = False
    List1.Visible = False
    Option2(1).Value = True
End Sub

Private Sub LogCurrentFloor()
    Text1(0).Text = Text1(0).Text & List1.List(CurrentFloor) & vbCrLf
End Sub

Private Sub Option1_Click(Index As Integer)
    If Option2(0).Value = False Then
        Text1(0).Text = "Затворете предпазната решетка!"
        Exit Sub
    End If
    Option1(CurrentFloor).BackColor = &HFFFF&
    Option1(TargetFloor).BackColor = &H8080FF
    CurrentFloor = TargetFloor
    TargetFloor = Index
    Option1(Index).BackColor = &HFF8080
    Timer1.Enabled = True
    If CurrentFloor < TargetFloor Then Text1(0).Text = "Асансьорът се качва!" & vbCrLf
    If CurrentFloor > TargetFloor Then Text1(0).Text = "Асансьорът слиза!" & vbCrLf
    LogCurrentFloor
End Sub

Private Sub Timer1_Timer()
    Option1(CurrentFloor).BackColor = &HFFFF&
    If CurrentFloor < TargetFloor Then CurrentFloor = CurrentFloor + 1
    If CurrentFloor > TargetFloor Then CurrentFloor = CurrentFloor - 1
    Option1(CurrentFloor).BackColor = &H8080FF
    LogCurrentFloor
    If CurrentFloor = TargetFloor Then
        Timer1.Enabled = False
        Text1(0).Text = Text1(0).Text & "Последна спирка!" & vbCrLf
        Option2(1).Value = True
    End If
End Sub
